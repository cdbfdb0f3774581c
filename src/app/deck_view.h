// The deck editor's tools beside its own controls: the search box and the level and type
// filters that hide rows of the two catalogue lists, the order those lists are shown in, and
// the summary and chart of what the deck holds. They only change how the lists are shown:
// the lists themselves, and every operation on them, stay as they are.
#pragma once

#include "board/window.h"
#include "deck/deck_tools.h"

#include <QWidget>

#include <array>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace grim::app {

struct ControlBinding;

// A bar chart of the deck's regular cards by level, 1 to 6, and of its special cards.
class DeckChart final : public QWidget {
    Q_OBJECT
  public:
    explicit DeckChart(QWidget* parent = nullptr);
    // The bars: levels 1 to 6, then the special cards.
    using Counts = std::array<int, 7>;
    void show(const Counts& counts);
    const Counts& counts() const { return counts_; }
    QSize sizeHint() const override { return {240, 80}; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    Counts counts_{};
};

class DeckView final : public QObject {
    Q_OBJECT
  public:
    explicit DeckView(QObject* parent);

    // The tools' widgets, for the DECK tab to place.
    QWidget* filterRow() const { return filterRow_; }
    QLabel* summary() const { return summary_; }
    DeckChart* chart() const { return chart_; }

    // Sets how a list is shown: the catalogue lists by the filter and the order; any other
    // list as it is.
    void arrange(const std::string& name, const ListBox& list, ControlBinding& binding) const;
    // The filter as it stands.
    const deckSubs::CatalogueFilter& filter() const { return filter_; }
    // The summary and the chart of the deck.
    void show(const DeckEditor& editor);

  signals:
    // The filter or the order changed: the lists are to be shown again.
    void changed();

  private:
    deckSubs::CatalogueFilter filter_;
    deckSubs::CatalogueOrder order_ = deckSubs::CatalogueOrder::code;
    QWidget* filterRow_;
    QLineEdit* text_;
    QComboBox *level_, *type_, *sort_;
    QLabel* summary_;
    DeckChart* chart_;
};

// The selected item of a catalogue list when the filter hides it: the nearest item shown,
// below it in the order shown or else above it; -1 when none is shown. Otherwise the
// selected item itself.
int selectionShown(const ListBox& list, const ControlBinding& binding);

} // namespace grim::app
