#include "app/qt_ports.h"

#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTime>
#include <QUrl>

#include <chrono>

namespace grim::app {

QtPrompter::QtPrompter(QWidget* parent, std::function<void()> beforeModal)
    : parent_(parent), beforeModal_(std::move(beforeModal)) {}

void QtPrompter::message(MessageId, const std::string& text, const std::string& title) {
    if (beforeModal_) beforeModal_();
    QMessageBox box(QMessageBox::NoIcon, fromCore(title), displayText(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtPrompter::question(MessageId, const std::string& text, bool defaultNo) {
    if (beforeModal_) beforeModal_();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Message"), displayText(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtPrompter::startFolder() const {
    if (!lastFolder_.isEmpty()) return lastFolder_;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

std::optional<std::string> QtPrompter::chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    lastFolder_ = QFileInfo(path).absolutePath();
    return QFile::encodeName(path).toStdString();
}

std::optional<std::string> QtPrompter::openFile(const std::string& filter, const std::string& folder,
                                                const std::string& title) {
    if (beforeModal_) beforeModal_();
    const QString start = folder.empty() ? startFolder() : QFile::decodeName(folder.c_str());
    return chosen(QFileDialog::getOpenFileName(parent_, fromCore(title), start, fromCore(filter)));
}

std::optional<std::string> QtPrompter::saveFile(const std::string& filter) {
    if (beforeModal_) beforeModal_();
    return chosen(QFileDialog::getSaveFileName(parent_, QString(), startFolder(), fromCore(filter)));
}

QtSound::QtSound(QString folder) : folder_(std::move(folder)) {}

QtSound::~QtSound() {
    qDeleteAll(effects_);
}

namespace {
// A RIFF/WAVE header: anything else would make Qt print a decoding error.
bool looksLikeWav(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}
} // namespace

void QtSound::play(const std::string& name) {
    const QString fileName = fromCore(name);
    const QString path = folder_ + QLatin1Char('/') + fileName;
    if (!QFileInfo(path).isFile() || !looksLikeWav(path)) return;
    QSoundEffect*& effect = effects_[fileName];
    if (!effect) {
        effect = new QSoundEffect();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->play(); // starts once loaded; never waits
}

QString timeFormatWithSeconds(const QString& shortFormat) {
    if (shortFormat.contains(QLatin1Char('s'))) return shortFormat;
    QString format = shortFormat;
    const qsizetype minutes = format.lastIndexOf(QLatin1Char('m'));
    if (minutes < 0) return QStringLiteral("HH:mm:ss");
    format.insert(minutes + 1, QStringLiteral(":ss"));
    return format;
}

std::string QtClock::timeOfDay() {
    const QLocale locale = QLocale::system();
    return toCore(locale.toString(QTime::currentTime(),
                                  timeFormatWithSeconds(locale.timeFormat(QLocale::ShortFormat))));
}

std::uint64_t clockSeed() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) * 0x9E3779B97F4A7C15ULL ^
           static_cast<std::uint64_t>(ticks);
}

QString displayText(const std::string& text) {
    QString shown = fromCore(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace grim::app
