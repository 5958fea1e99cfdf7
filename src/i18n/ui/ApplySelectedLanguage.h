#pragma once
class QWidget;

// The load step of every relabelled window: applies the language pack chosen in
// jezik/jezik.ini to `window` by the objectNames of its controls.
void ApplySelectedLanguage(QWidget *window);
