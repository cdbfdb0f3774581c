// The "DECK" tab: the deck editor, with the deck beside the two catalogue lists, the
// record of the card last clicked and the instructions.
#include "app/frmMain.h"

#include "app/deck_view.h"
#include "app/widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace grim::app;

namespace {
// A list under its caption, with its count box and a label for it below.
void addListColumn(QGridLayout* grid, int column, const QString& title, QListWidget* list, QLineEdit* count) {
    grid->addWidget(caption(title), 0, column);
    grid->addWidget(list, 1, column);
    auto* label = new QLabel(QStringLiteral("CARDS"));
    label->setBuddy(count);
    grid->addWidget(row({label, count}, true), 2, column);
}
} // namespace

QWidget* frmMain::buildDeckTab() {
    auto* tab = new QWidget();
    auto* grid = new QGridLayout(tab);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);

    addListColumn(grid, 0, QStringLiteral("ACTUAL DECK"), listBox(QStringLiteral("lstDeck")),
                  countBox(QStringLiteral("txtDeckCount")));

    // The buttons that order, save, open and close the deck, beside it.
    auto* buttons = new QVBoxLayout();
    buttons->setSpacing(6);
    buttons->addSpacing(tab->fontMetrics().height() + 6); // level with the lists
    const std::pair<const char*, const char*> moves[] = {
        {"btnUp", "UP"}, {"btnDown", "DOWN"}, {"btnTop", "TOP"}, {"txtBottom", "BOTTOM"}};
    for (const auto& [name, text] : moves)
        buttons->addWidget(button(QLatin1String(name), QLatin1String(text)));
    buttons->addSpacing(18);
    const std::pair<const char*, const char*> files[] = {
        {"btnSave", "SAVE"}, {"btnOpen", "OPEN"}, {"btnClose", "CLOSE"}};
    for (const auto& [name, text] : files)
        buttons->addWidget(button(QLatin1String(name), QLatin1String(text)));
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 1, 3, 1);

    addListColumn(grid, 2, QStringLiteral("REGULAR CARDS"), listBox(QStringLiteral("lstRegCards")),
                  countBox(QStringLiteral("txtRegCnt")));
    addListColumn(grid, 3, QStringLiteral("SPECIAL CARDS"), listBox(QStringLiteral("lstSpcCards")),
                  countBox(QStringLiteral("txtSpcCnt")));

    // The record of the card last clicked, and the instructions.
    auto* side = new QVBoxLayout();
    side->setSpacing(6);
    side->addWidget(caption(QStringLiteral("CARD DESCRIPTION")));
    side->addWidget(textBox(QStringLiteral("txtDesc")), 1);
    side->addWidget(caption(QStringLiteral("INSTRUCTIONS TO BUILD DECK")));
    side->addWidget(textBox(QStringLiteral("txtInstruct")), 1);
    grid->addLayout(side, 0, 4, 3, 1);

    // The tools that help build the deck: what it holds under it, the search and filters of the
    // catalogue under the catalogue lists.
    auto* holds = new QVBoxLayout();
    holds->addWidget(deckView_->summary());
    holds->addWidget(deckView_->chart());
    holds->addStretch(1);
    grid->addLayout(holds, 3, 0, 1, 2);
    grid->addWidget(deckView_->filterRow(), 3, 2, 1, 2, Qt::AlignTop);

    for (int column : {0, 2, 3})
        grid->setColumnStretch(column, 3);
    grid->setColumnStretch(4, 4);
    grid->setRowStretch(1, 1);
    return tab;
}
