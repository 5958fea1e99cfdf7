#include "callinfo/ui/CallInfoController.h"

#include "contestlog/ui/EntryLine.h"

#include <QLabel>

// Country data and known stations are not wired yet: the lookups leave the displays
// as they are, and the empty-call step blanks them.
CallInfoController::CallInfoController(EntryLine &entry, QObject *parent) : QObject(parent), m_entry(entry) {}
CallInfoController::~CallInfoController() = default;

void CallInfoController::start() {}
void CallInfoController::LookupPrefix() {}
void CallInfoController::LookupPrefixForEdit() {}
void CallInfoController::CheckNewDxcc() {}
void CallInfoController::FindKnownStations() {}
void CallInfoController::RememberKnownStation() {}
void CallInfoController::UpdateKnownStation() {}

void CallInfoController::ClearForEmptyCall()
{
    for (QLabel *l : {m_entry.Label17, m_entry.Label18, m_entry.Label19, m_entry.Label26, m_entry.Label29,
                      m_entry.Label30, m_entry.Label31, m_entry.Label32})
        if (l)
            l->clear();
    if (m_entry.Label25)
        m_entry.Label25->hide();
    m_entry.Text5.clear();
    m_entry.Text24.clear();
    m_entry.Text26.clear();
    m_entry.Text27.clear();
}
