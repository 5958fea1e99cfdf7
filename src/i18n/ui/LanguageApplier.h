#pragma once
#include <QString>

class QWidget;
class LanguagePack;

// Relabels `window` from the window section of `pack` named like its objectName:
// the title (also when empty), then every entry in file order, addressed by
// objectName among the window's own controls, actions and menus (controls of other
// windows it owns are left alone). Captions go to QLabel and button text, QGroupBox
// and QMenu titles and QAction text; "Name.TabCaption(n)" sets page n (from 1) of
// the QTabWidget/QTabBar Name; "Name(i)" addresses the control whose objectName is
// "Name(i)" and sets its caption even when empty. Tooltips go to plain controls only.
// Unknown names and controls without a caption are skipped. Titles, captions and
// tooltips longer than MaxCaptionLength characters are cut to that length.
inline constexpr int MaxCaptionLength = 300;
void SetLanguageInForm(QWidget *window, const LanguagePack &pack);

// The same with the program-wide loader, and its Portuguese alias.
void SetLanguageInForm(QWidget *window);
void SetaLinguagemnoForm(QWidget *window);

// Menu "Jezik": stores `word` ("hrvatski", "engleski", "polski", "slovacki") in
// jezik/jezik.ini, loads its pack and relabels `window`. A failing step is skipped
// and the next one runs. False (and nothing changed) for an unknown word. When the
// word cannot be stored, `storeError` says why (the window is relabelled all the same).
bool SelectLanguage(const QString &word, QWidget *window, QString *storeError = nullptr);

// The selection word now stored in jezik/jezik.ini ("" when missing).
QString SelectedLanguageWord();
