// Small builders for the widgets the window's tabs are made of, so every tab looks alike.
#pragma once

#include <QString>

class QBoxLayout;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace grim::app {

QLabel* caption(const QString& text);                          // a fixed label naming an area
QGroupBox* frame(const QString& name, const QString& title);   // a titled frame around a group
QPushButton* button(const QString& name, const QString& text); // objectName name
QLineEdit* countBox(const QString& name);                      // a read-only counter
QLineEdit* lineBox(const QString& name, bool readOnly);
QPlainTextEdit* textBox(const QString& name); // read-only, multi-line, vertical scroll bar
QListWidget* listBox(const QString& name);    // one selected item or none
QComboBox* dropDown(const QString& name);

// A row of widgets, left to right, with no margins.
QWidget* row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd = false);

} // namespace grim::app
