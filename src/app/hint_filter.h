// Reports the control under the mouse pointer on the GAME tab, by its objectName, for the
// hints and the records of field cards. Disabled buttons get no mouse events of their own,
// so the filter also watches hover events, which Qt still sends to them.
#pragma once

#include <QObject>

class QWidget;

namespace grim::app {

class HintFilter final : public QObject {
    Q_OBJECT
  public:
    explicit HintFilter(QObject* parent);
    // Starts reporting the pointer's moves over widget.
    void watch(QWidget* widget);

  signals:
    void pointerOver(const QString& controlName);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace grim::app
