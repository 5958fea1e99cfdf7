#include "platform/KeyingThreadPriority.h"

#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>
#endif

bool requestTimelyWakeups()
{
#if defined(Q_OS_LINUX)
    prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    sched_param param{};
    param.sched_priority = std::min(10, sched_get_priority_max(SCHED_RR));
    return pthread_setschedparam(pthread_self(), SCHED_RR, &param) == 0;
#else
    return false;
#endif
}
