#include "app/widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace grim::app {

QLabel* caption(const QString& text) {
    auto* label = new QLabel(text);
    label->setProperty("caption", true); // bold, by the window's style sheet
    return label;
}

QGroupBox* frame(const QString& name, const QString& title) {
    auto* box = new QGroupBox(title);
    box->setObjectName(name);
    return box;
}

QPushButton* button(const QString& name, const QString& text) {
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    // A click does not take the keyboard focus: most buttons disable themselves when
    // clicked, and the focus would then pass to the list beside them and frame its first
    // card as if it had been picked.
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QLineEdit* lineBox(const QString& name, bool readOnly) {
    auto* box = new QLineEdit();
    box->setObjectName(name);
    box->setReadOnly(readOnly);
    return box;
}

QLineEdit* countBox(const QString& name) {
    auto* box = lineBox(name, true);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-00000")) + 12);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QPlainTextEdit* textBox(const QString& name) {
    auto* box = new QPlainTextEdit();
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return box;
}

QListWidget* listBox(const QString& name) {
    auto* list = new QListWidget();
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    // A list that online play hides keeps its place, so the board does not jump.
    QSizePolicy policy = list->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    list->setSizePolicy(policy);
    return list;
}

QComboBox* dropDown(const QString& name) {
    auto* combo = new QComboBox();
    combo->setObjectName(name);
    return combo;
}

QWidget* row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd) {
    auto* holder = new QWidget();
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    if (stretchAtEnd) layout->addStretch(1);
    return holder;
}

} // namespace grim::app
