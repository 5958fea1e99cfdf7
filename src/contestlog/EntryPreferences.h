#pragma once

// The operator's own choices for the entry line (not the contest's), kept in the
// group [entry] of brelog.ini in the program folder.
struct EntryPreferences
{
    // After a save or update the focus goes into the call field instead of staying
    // in the field where Enter was pressed.
    bool focusCallAfterSave = false;

    static EntryPreferences load();
    // False when brelog.ini cannot be written.
    bool store() const;
};
