#include "app/deck_view.h"

#include "app/control_binding.h"
#include "app/widgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace grim::app {

DeckChart::DeckChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("deckChart"));
    setMinimumSize(160, 80);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void DeckChart::show(const Counts& counts) {
    if (counts == counts_) return;
    counts_ = counts;
    update();
}

void DeckChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int line = fontMetrics().height();
    const QRectF area = QRectF(rect()).adjusted(4, line + 2, -4, -line - 4); // room for counts and labels
    const int most = std::max(1, *std::max_element(counts_.begin(), counts_.end()));
    const qreal slot = area.width() / qreal(counts_.size());
    const QColor text = palette().color(QPalette::WindowText);
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.drawLine(area.bottomLeft(), area.bottomRight());
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        const qreal x = area.left() + slot * qreal(i);
        const qreal h = area.height() * counts_[i] / most;
        const QRectF bar(x + slot * 0.18, area.bottom() - h, slot * 0.64, h);
        p.fillRect(bar, i < 6 ? QColor(0x2b, 0x6c, 0x8a) : QColor(0x6a, 0x3d, 0x9a));
        p.setPen(text);
        p.drawText(QRectF(x, bar.top() - line - 1, slot, line), Qt::AlignCenter, QString::number(counts_[i]));
        p.drawText(QRectF(x, area.bottom() + 2, slot, line), Qt::AlignCenter,
                   i < 6 ? QStringLiteral("L%1").arg(i + 1) : QStringLiteral("SP"));
    }
}

DeckView::DeckView(QObject* parent)
    : QObject(parent), filterRow_(new QWidget()), text_(lineBox(QStringLiteral("txtFilter"), false)),
      level_(dropDown(QStringLiteral("cmbLevelFilter"))), type_(dropDown(QStringLiteral("cmbTypeFilter"))),
      sort_(dropDown(QStringLiteral("cmbSort"))), summary_(new QLabel()), chart_(new DeckChart()) {
    text_->setPlaceholderText(QStringLiteral("Search name or code"));
    text_->setClearButtonEnabled(true);
    text_->setToolTip(QStringLiteral("Shows only the catalogue cards whose name or code holds this text"));
    level_->addItem(QStringLiteral("ALL LEVELS"), deckSubs::CatalogueFilter::anyLevel);
    for (int level = 1; level <= 6; ++level)
        level_->addItem(QStringLiteral("LEVEL %1").arg(level), level);
    level_->addItem(QStringLiteral("SPECIAL"), deckSubs::CatalogueFilter::specialCards);
    type_->addItem(QStringLiteral("ALL TYPES"));
    for (const std::string& type : deckSubs::catalogueTypes())
        type_->addItem(QString::fromLatin1(type));
    for (const char* order : {"BY CODE", "BY NAME", "BY LEVEL", "BY POWER"})
        sort_->addItem(QLatin1String(order));
    // On a narrow screen the drop-downs give way to the search box.
    text_->setMinimumWidth(text_->fontMetrics().horizontalAdvance(QStringLiteral("Search name or")));
    for (QComboBox* box : {level_, type_, sort_}) {
        box->setCurrentIndex(0);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
    }
    level_->setToolTip(QStringLiteral("Shows only the cards of one level, or the special cards"));
    type_->setToolTip(QStringLiteral("Shows only the cards of one type"));
    sort_->setToolTip(QStringLiteral("The order of the catalogue lists"));
    auto* layout = new QHBoxLayout(filterRow_);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("FIND"));
    label->setBuddy(text_);
    layout->addWidget(label);
    layout->addWidget(text_, 1);
    for (QComboBox* box : {level_, type_, sort_})
        layout->addWidget(box);

    summary_->setObjectName(QStringLiteral("lblDeckSummary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);

    connect(text_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_.text = text.toLatin1().toStdString();
        emit changed();
    });
    connect(level_, &QComboBox::currentIndexChanged, this, [this] {
        filter_.level = level_->currentData().toInt();
        emit changed();
    });
    connect(type_, &QComboBox::currentIndexChanged, this, [this](int index) {
        filter_.type = index <= 0 ? std::string() : type_->currentText().toLatin1().toStdString();
        emit changed();
    });
    connect(sort_, &QComboBox::currentIndexChanged, this, [this](int index) {
        order_ = static_cast<deckSubs::CatalogueOrder>(std::max(0, index));
        emit changed();
    });
}

void DeckView::arrange(const std::string& name, const ListBox& list, ControlBinding& binding) const {
    if (name != "lstRegCards" && name != "lstSpcCards") return;
    binding.order =
        order_ == deckSubs::CatalogueOrder::code ? std::vector<int>{} : deckSubs::shownOrder(list, order_);
    binding.hidden.assign(list.items().size(), false);
    const bool everything =
        filter_.text.empty() && filter_.level == deckSubs::CatalogueFilter::anyLevel && filter_.type.empty();
    for (std::size_t i = 0; i < list.items().size() && !everything; ++i)
        binding.hidden[i] = !deckSubs::passes(filter_, list.items()[i]);
}

void DeckView::show(const DeckEditor& editor) {
    const deckSubs::DeckSummary s = deckSubs::summarize(editor.lstDeck);
    const QString text = QString::fromLatin1(deckSubs::summaryText(s));
    if (summary_->text() != text) summary_->setText(text);
    DeckChart::Counts counts{};
    std::copy(s.levels.begin() + 1, s.levels.end(), counts.begin());
    counts[6] = s.special;
    chart_->show(counts);
}

int selectionShown(const ListBox& list, const ControlBinding& b) {
    const int selected = list.selected();
    auto shown = [&](int item) {
        return item >= 0 && !(static_cast<std::size_t>(item) < b.hidden.size() &&
                              b.hidden[static_cast<std::size_t>(item)]);
    };
    if (selected < 0 || shown(selected)) return selected;
    const int row = rowOfItem(b, selected);
    for (int r = row + 1; r < list.count(); ++r)
        if (shown(itemOfRow(b, r))) return itemOfRow(b, r);
    for (int r = row - 1; r >= 0; --r)
        if (shown(itemOfRow(b, r))) return itemOfRow(b, r);
    return -1;
}

} // namespace grim::app
