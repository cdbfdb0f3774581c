// The face of the card last inspected on the GAME tab, painted: its name and code, kind,
// level, type, power and cost, its effect text and, on the field, its current power.
// Drawn with QPainter in the widget's own coordinates, so it is sharp at any scale factor.
#pragma once

#include "cards/catalogue.h"

#include <QWidget>

#include <optional>

namespace grim::app {

class CardFace final : public QWidget {
    Q_OBJECT
  public:
    explicit CardFace(QWidget* parent = nullptr);
    // The card to show, with its current power when it stands on the field; none shows a blank.
    void show(std::optional<CardId> card, std::optional<int> fieldPower);

    std::optional<CardId> card() const { return card_; }
    // The lines the face shows, top to bottom (for the painting and for tests).
    QStringList lines() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<CardId> card_;
    std::optional<int> fieldPower_;
};

} // namespace grim::app
