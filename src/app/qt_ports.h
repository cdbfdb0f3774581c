// The Qt side of the core's ports: message boxes and file dialogs, sounds, the clock.
#pragma once

#include "board/ports.h"

#include <QHash>
#include <QString>

#include <functional>
#include <memory>

class QSoundEffect;
class QWidget;

namespace grim::app {

// Message boxes and file dialogs, modal over the window. Before any box is shown the
// window is asked to render, so the player sees the board the box speaks of.
class QtPrompter final : public Prompter {
  public:
    QtPrompter(QWidget* parent, std::function<void()> beforeModal);
    void message(MessageId id, const std::string& text, const std::string& title) override;
    bool question(MessageId id, const std::string& text, bool defaultNo) override;
    std::optional<std::string> openFile(const std::string& filter, const std::string& folder = {},
                                        const std::string& title = {}) override;
    std::optional<std::string> saveFile(const std::string& filter) override;

    // The folder the next file dialog starts in: that of the last deck file chosen in this
    // run, before any the user's documents folder.
    QString startFolder() const;

  private:
    QWidget* parent_;
    std::function<void()> beforeModal_;
    QString lastFolder_;
    std::optional<std::string> chosen(const QString& path);
};

// Plays the WAV files of the program's folder with QSoundEffect. Playing never waits;
// a missing or malformed file is skipped before Qt sees it, so nothing is printed.
class QtSound final : public Sound {
  public:
    explicit QtSound(QString folder);
    ~QtSound() override;
    void play(const std::string& name) override;

  private:
    QString folder_;
    QHash<QString, QSoundEffect*> effects_; // kept alive while they play
};

// The local time of day in the system's short time format, always with seconds.
class QtClock final : public Clock {
  public:
    std::string timeOfDay() override;
};

// The format QtClock uses: the locale's short time format with seconds added after the
// minutes when it has none.
QString timeFormatWithSeconds(const QString& shortFormat);

// A seed from the system clock for the program's random generator.
std::uint64_t clockSeed();

// A QString of the core's 8-bit text, and back.
inline QString fromCore(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string toCore(const QString& text) {
    return text.toLatin1().toStdString();
}

// Multi-line core text (lines end in CR LF, CR or LF) as the plain text a widget shows.
QString displayText(const std::string& text);

} // namespace grim::app
