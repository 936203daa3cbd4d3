#include "paint/PagedLayout.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "paint/CabinetPainter.h"

namespace paint {

namespace {

const QColor kHeaderFill(0xdc, 0xe4, 0xee);
const QColor kStripe(0xf3, 0xf5, 0xf8);

constexpr qreal kBandPoints = 7.5;

void BandText(QPainter& p, const QRectF& r, int flags, const QString& text, const QFont& font,
              const QColor& ink) {
    p.setFont(font);
    p.setPen(ink);
    p.drawText(r, flags | Qt::AlignVCenter,
               QFontMetricsF(font, p.device()).elidedText(text, Qt::ElideMiddle, r.width()));
}

} // namespace

QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}

std::vector<QString> ToQ(const std::vector<std::string>& cells) {
    std::vector<QString> out;
    out.reserve(cells.size());
    for (const std::string& c : cells) {
        out.push_back(ToQ(c));
    }
    return out;
}

QFont PageFont(qreal points, qreal unit, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Pixel sizes in device units keep the page the same on printers of any resolution.
    font.setPixelSize(std::max(1, qRound(points * unit)));
    font.setBold(bold);
    // Ligatures would turn "fi" and "ff" into single glyphs that searches do not find.
    font.setStyleStrategy(QFont::PreferNoShaping);
    // Print wants the outlines as drawn; hinting them for a grid of pixels only costs time.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void PaintTopBand(QPainter& p, const QRectF& page, qreal unit, const SPageFrame& frame,
                  const QString& shows) {
    const QFont bold = PageFont(kBandPoints + 1, unit, true);
    const QFont font = PageFont(kBandPoints, unit);
    const qreal h = kBandPoints * 1.45 * unit;
    const QRectF first(page.left(), page.top(), page.width(), h);
    // The right side takes what it needs, the left the rest.
    const qreal right = std::min(page.width() * 0.45,
                                 QFontMetricsF(bold, p.device()).horizontalAdvance(shows) + unit);
    BandText(p, first.adjusted(0, 0, -right - 6 * unit, 0), Qt::AlignLeft,
             ToQ(frame.site) + QStringLiteral(" - ") + ToQ(frame.configuration), bold, kPageInk);
    BandText(p, QRectF(first.right() - right, first.top(), right, h), Qt::AlignRight, shows, bold,
             kPageAccent);
    const QRectF second = first.translated(0, h);
    const qreal third = second.width() / 3;
    BandText(p, QRectF(second.left(), second.top(), third * 1.4, h), Qt::AlignLeft,
             QStringLiteral("File: ") + ToQ(frame.file), font, kPageMuted);
    BandText(p, QRectF(second.left() + third * 1.4, second.top(), third * 0.8, h), Qt::AlignHCenter,
             ToQ(frame.date), font, kPageMuted);
    BandText(p, QRectF(second.right() - third * 0.8, second.top(), third * 0.8, h), Qt::AlignRight,
             QStringLiteral("SW level: ") + ToQ(frame.swLevel), font, kPageMuted);
    p.setPen(QPen(kPageAccent, unit * 0.8));
    const qreal y = second.bottom() + 3 * unit;
    p.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
}

void PaintBottomBand(QPainter& p, const QRectF& page, qreal unit, const QString& left,
                     const QString& centre, const QString& right) {
    const QFont font = PageFont(kBandPoints, unit);
    const qreal h = QFontMetricsF(font, p.device()).height();
    const qreal top = page.bottom() - h;
    p.setPen(QPen(kPageRule, unit * 0.6));
    p.drawLine(QPointF(page.left(), top - 4 * unit), QPointF(page.right(), top - 4 * unit));
    const qreal third = page.width() / 3;
    BandText(p, QRectF(page.left(), top, third, h), Qt::AlignLeft, left, font, kPageMuted);
    BandText(p, QRectF(page.left() + third, top, third, h), Qt::AlignHCenter, centre, font,
             kPageMuted);
    BandText(p, QRectF(page.right() - third, top, third, h), Qt::AlignRight, right, font,
             kPageMuted);
}

CPagedLayout::CPagedLayout(QPagedPaintDevice& device, QPainter* painter, int pages,
                           const PageProgress& progress, qreal top, qreal bottom)
    : m_device(device), m_p(painter), m_pages(pages), m_progress(progress) {
    const int dpi = device.logicalDpiX();
    const QRectF paint = device.pageLayout().paintRectPixels(dpi);
    m_unit = dpi / 72.0;
    m_page = QRectF(0, 0, paint.width(), paint.height());
    m_body = m_page.adjusted(0, Pt(top), 0, -Pt(bottom));
}

QFontMetricsF CPagedLayout::Metrics(const QFont& font) const {
    return QFontMetricsF(font, &m_device);
}

void CPagedLayout::Text(const QRectF& r, int flags, const QString& text, const QFont& font,
                        const QColor& ink) {
    if (m_p == nullptr) {
        return;
    }
    m_p->setFont(font);
    m_p->setPen(ink);
    m_p->drawText(r, flags, text);
}

void CPagedLayout::Fill(const QRectF& r, const QColor& colour) {
    if (m_p != nullptr) {
        m_p->fillRect(r, colour);
    }
}

void CPagedLayout::Rule(qreal y, const QColor& colour, qreal width) {
    if (m_p == nullptr) {
        return;
    }
    m_p->setPen(QPen(colour, Pt(width)));
    m_p->drawLine(QPointF(m_page.left(), y), QPointF(m_page.right(), y));
}

bool CPagedLayout::StartPage(bool newSheet) {
    ++m_pageNumber;
    if (m_p != nullptr) {
        if (m_progress && !m_progress(m_pageNumber, m_pages)) {
            return false;
        }
        if (newSheet && !m_device.newPage()) {
            return false;
        }
    }
    m_y = m_body.top();
    if (m_p != nullptr) {
        DecoratePage();
    }
    return true;
}

bool CPagedLayout::Ensure(qreal height) {
    if (m_y + height <= m_body.bottom() || m_y == m_body.top()) {
        return true;
    }
    return StartPage(true);
}

void CPagedLayout::Title(const QString& title, const QString& subtitle) {
    const QFont font = Font(17, true);
    const qreal h = Metrics(font).height();
    Text(QRectF(m_page.left(), m_y, m_page.width(), h), Qt::AlignLeft | Qt::AlignVCenter, title,
         font, kPageAccent);
    m_y += h;
    if (!subtitle.isEmpty()) {
        const QFont sub = Font(10);
        const qreal sh = Metrics(sub).height();
        Text(QRectF(m_page.left(), m_y, m_page.width(), sh), Qt::AlignLeft | Qt::AlignVCenter,
             subtitle, sub, kPageMuted);
        m_y += sh;
    }
    m_y += Pt(4);
    Rule(m_y, kPageAccent, 1.0);
    m_y += Pt(10);
}

bool CPagedLayout::Chapter(const QString& title, const QString& subtitle) {
    if (!StartPage(true)) {
        return false;
    }
    Title(title, subtitle);
    return true;
}

bool CPagedLayout::Heading(const QString& title, qreal size, qreal keep) {
    const QFont font = Font(size, true);
    const qreal h = Metrics(font).height();
    if (!Ensure(h + Pt(keep) + Pt(40))) {
        return false;
    }
    Text(QRectF(m_page.left(), m_y, m_page.width(), h), Qt::AlignLeft | Qt::AlignVCenter, title,
         font, kPageAccent);
    m_y += h + Pt(3);
    return true;
}

bool CPagedLayout::Paragraph(const QString& text) {
    const QFont font = Font(9);
    const QRectF room(m_page.left(), 0, m_page.width(), m_body.height());
    const qreal h = std::max(Metrics(font).height(),
                             Metrics(font).boundingRect(room, Qt::TextWordWrap, text).height());
    if (!Ensure(h)) {
        return false;
    }
    Text(QRectF(m_page.left(), m_y, m_page.width(), h), Qt::AlignLeft | Qt::TextWordWrap, text,
         font);
    m_y += h;
    return true;
}

// Column widths from what the cells need, stretched or squeezed to the width.
std::vector<qreal> CPagedLayout::ColumnWidths(const std::vector<QString>& columns,
                                              const std::vector<std::vector<std::string>>& rows,
                                              int count, qreal width, bool stretchLast) const {
    const QFontMetricsF cell = Metrics(Font(8.5));
    const QFontMetricsF head = Metrics(Font(8.5, true));
    std::vector<qreal> w(count, Pt(12));
    for (int c = 0; c < count && c < static_cast<int>(columns.size()); ++c) {
        w[c] = std::max(w[c], head.horizontalAdvance(columns[c]) + Pt(10));
    }
    for (const auto& row : rows) {
        for (int c = 0; c < count && c < static_cast<int>(row.size()); ++c) {
            w[c] = std::max(w[c], cell.horizontalAdvance(ToQ(row[c])) + Pt(10));
        }
    }
    qreal sum = 0;
    for (qreal x : w) {
        sum += x;
    }
    if (stretchLast && sum < width) {
        // Names and their values: the names keep their width, the values take the rest.
        w.back() += width - sum;
        return w;
    }
    for (qreal& x : w) {
        x *= width / sum;
    }
    return w;
}

bool CPagedLayout::Table(const std::vector<QString>& columns,
                         const std::vector<std::vector<std::string>>& rows, int keyColumn,
                         qreal left, qreal width,
                         const std::vector<std::vector<std::string>>* measured) {
    if (left < 0) {
        left = m_page.left();
        width = m_page.width();
    }
    int count = static_cast<int>(columns.size());
    for (const auto& row : rows) {
        count = std::max(count, static_cast<int>(row.size()));
    }
    count = std::max(count, 1);
    const std::vector<qreal> widths = ColumnWidths(columns, measured != nullptr ? *measured : rows,
                                                   count, width, keyColumn == 0 && columns.empty());
    const QFont cellFont = Font(8.5);
    const QFont headFont = Font(8.5, true);
    const qreal lineHeight = Metrics(cellFont).height();
    const qreal padding = lineHeight * 0.55;
    // A cell too long for its column wraps; its row grows to hold it.
    const QFontMetricsF cellMetrics = Metrics(cellFont);
    const QFontMetricsF headMetrics = Metrics(headFont);
    const auto rowHeight = [&](const std::vector<QString>& cells, const QFont& font) {
        qreal h = lineHeight;
        for (int c = 0; c < count && c < static_cast<int>(cells.size()); ++c) {
            const bool bold = &font == &headFont || (c == keyColumn && cells.size() > 1);
            const QFontMetricsF& fm = bold ? headMetrics : cellMetrics;
            const qreal room = widths[c] - Pt(6);
            // Most cells fit on one line; only the others are laid out wrapped.
            if (fm.horizontalAdvance(cells[c]) <= room) {
                continue;
            }
            h = std::max(h, fm.boundingRect(QRectF(0, 0, room, m_body.height()),
                                            Qt::TextWordWrap | Qt::TextWrapAnywhere, cells[c])
                                .height());
        }
        return h + padding;
    };
    const auto drawRow = [&](const std::vector<QString>& cells, const QFont& font,
                             const QColor* fill, qreal height) {
        if (fill != nullptr) {
            Fill(QRectF(left, m_y, width, height), *fill);
        }
        qreal x = left;
        for (int c = 0; c < count; ++c) {
            if (c < static_cast<int>(cells.size())) {
                const QRectF r(x + Pt(4), m_y + padding / 2, widths[c] - Pt(6), height - padding);
                const QFont& f = c == keyColumn && cells.size() > 1 ? headFont : font;
                Text(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, cells[c], f);
            }
            x += widths[c];
        }
        m_y += height;
    };
    const qreal headHeight = columns.empty() ? 0 : rowHeight(columns, headFont);
    const auto head = [&] {
        if (!columns.empty()) {
            drawRow(columns, headFont, &kHeaderFill, headHeight);
        }
    };
    if (!Ensure(headHeight + lineHeight + padding)) {
        return false;
    }
    head();
    int n = 0;
    for (const auto& row : rows) {
        const std::vector<QString> cells = ToQ(row);
        const qreal height = rowHeight(cells, cellFont);
        if (m_y + height > m_body.bottom()) {
            if (!StartPage(true)) {
                return false;
            }
            head();
        }
        drawRow(cells, cellFont, n % 2 == 1 ? &kStripe : nullptr, height);
        ++n;
    }
    if (m_p != nullptr) {
        m_p->setPen(QPen(kPageRule, Pt(0.6)));
        m_p->drawLine(QPointF(left, m_y), QPointF(left + width, m_y));
    }
    return true;
}

void CPagedLayout::Picture(const SCabinetScene& scene, const QPointF& at, qreal scale) {
    if (m_p == nullptr) {
        return;
    }
    m_p->save();
    m_p->translate(at);
    m_p->scale(scale, scale);
    CCabinetPainter::Paint(*m_p, scene);
    m_p->restore();
}

} // namespace paint
