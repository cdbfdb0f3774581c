// The clickable "SLOT 1" to "SLOT 5" labels beside the field slots. They take the focus
// from the Tab key, and Space or Return on a focused label acts as a click.
#pragma once

#include <QLabel>

namespace grim::app {

class SlotLabel final : public QLabel {
    Q_OBJECT
  public:
    SlotLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace grim::app
