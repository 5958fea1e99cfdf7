#pragma once

// Asks the system to wake the calling thread on time: the smallest timer slack, and
// a real-time round-robin priority where the process may have one. The keying thread
// sleeps between elements, so the priority costs the rest of the system nothing but
// lets a wake-up preempt busy threads. Returns true when the real-time priority was
// granted; without it the thread keeps its normal priority.
bool requestTimelyWakeups();
