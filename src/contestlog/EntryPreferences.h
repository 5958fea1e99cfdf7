#pragma once

class QSettings;

// The operator's own choices for the entry line (not the contest's): the group
// [entry] of brelog.ini, read and written through ProgramSettings.
struct EntryPreferences
{
    // After a save or update the focus goes into the call field instead of staying
    // in the field where Enter was pressed.
    bool focusCallAfterSave = false;

    static EntryPreferences read(QSettings &ini);
    void write(QSettings &ini) const;
};
