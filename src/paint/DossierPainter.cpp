#include "paint/DossierPainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "paint/CabinetPainter.h"

namespace paint {

namespace {

const QColor kInk(0x14, 0x1b, 0x24);
const QColor kAccent(0x1f, 0x4e, 0x79);
const QColor kMuted(0x5a, 0x64, 0x70);
const QColor kHeaderFill(0xdc, 0xe4, 0xee);
const QColor kStripe(0xf3, 0xf5, 0xf8);
const QColor kRule(0xa8, 0xb4, 0xc2);

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::vector<QString> Q(const std::vector<std::string>& cells) {
    std::vector<QString> out;
    out.reserve(cells.size());
    for (const std::string& c : cells) {
        out.push_back(Q(c));
    }
    return out;
}

// "Cabinet type:<tab>Indoor": the names set apart from their values.
bool NameValueLines(const SReportTable& t) {
    return t.columns.empty() && !t.rows.empty() &&
           std::all_of(t.rows.begin(), t.rows.end(), [](const std::vector<std::string>& r) {
               return r.size() == 2 && r[0].ends_with(':');
           });
}

// One pass over the dossier: with `paint` off it only measures, so that the real pass knows
// the number of pages and where each chapter starts.
class CDossierLayout {
public:
    CDossierLayout(QPagedPaintDevice& device, QPainter* painter, const SDossier& dossier, int pages,
                   const std::vector<SDossierChapter>& chapters, const DossierProgress& progress)
        : m_device(device), m_p(painter), m_d(dossier), m_pages(pages), m_known(chapters),
          m_progress(progress) {
        const QPageLayout layout = device.pageLayout();
        const int dpi = device.logicalDpiX();
        const QRectF paint = layout.paintRectPixels(dpi);
        m_unit = dpi / 72.0;
        m_page = QRectF(0, 0, paint.width(), paint.height());
        m_body = m_page.adjusted(0, 0, 0, -Pt(26));
    }

    // False when stopped.
    bool Run() {
        if (!StartPage(false)) {
            return false;
        }
        Cover();
        if (!Chapter(QStringLiteral("Configuration Report"))) {
            return false;
        }
        for (const SReportTable& t : m_d.report.sections) {
            if (!Heading(Q(t.title), 12, 10)) {
                return false;
            }
            if (!Table(Q(t.columns), t.rows, NameValueLines(t) ? 0 : -1)) {
                return false;
            }
            m_y += Pt(8);
        }
        for (const std::string& note : m_d.report.notes) {
            if (!Paragraph(Q(note))) {
                return false;
            }
        }
        for (const SDossierView& view : m_d.views) {
            if (!ViewPage(view)) {
                return false;
            }
        }
        if (!PassivePages()) {
            return false;
        }
        if (m_d.hasDifferences) {
            if (!ViewPage(m_d.differences)) {
                return false;
            }
            if (!m_d.missingInformation.empty()) {
                m_y += Pt(6);
                if (!Heading(QStringLiteral("Missing information"), 11, 6)) {
                    return false;
                }
                for (const QString& line : Q(m_d.missingInformation).split(QLatin1Char('\n'))) {
                    if (!Paragraph(line)) {
                        return false;
                    }
                }
            }
        }
        return true;
    }

    int Pages() const { return m_pageNumber; }
    const std::vector<SDossierChapter>& Chapters() const { return m_chapters; }

private:
    qreal Pt(qreal points) const { return points * m_unit; }

    QFont Font(qreal points, bool bold = false) const {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        // Pixel sizes in device units keep the page the same on printers of any resolution.
        font.setPixelSize(std::max(1, qRound(Pt(points))));
        font.setBold(bold);
        // Ligatures would turn "fi" and "ff" into single glyphs that searches do not find.
        font.setStyleStrategy(QFont::PreferNoShaping);
        // Print wants the outlines as drawn; hinting them for a grid of pixels only costs time.
        font.setHintingPreference(QFont::PreferNoHinting);
        return font;
    }

    QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, &m_device); }

    void Text(const QRectF& r, int flags, const QString& text, const QFont& font,
              const QColor& ink = kInk) {
        if (m_p == nullptr) {
            return;
        }
        m_p->setFont(font);
        m_p->setPen(ink);
        m_p->drawText(r, flags, text);
    }

    void Fill(const QRectF& r, const QColor& colour) {
        if (m_p != nullptr) {
            m_p->fillRect(r, colour);
        }
    }

    void Rule(qreal y, const QColor& colour = kRule, qreal width = 0.6) {
        if (m_p == nullptr) {
            return;
        }
        m_p->setPen(QPen(colour, Pt(width)));
        m_p->drawLine(QPointF(m_page.left(), y), QPointF(m_page.right(), y));
    }

    bool StartPage(bool newSheet) {
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
        if (m_pageNumber > 1) {
            Footer();
        }
        return true;
    }

    void Footer() {
        const QFont font = Font(7.5);
        const qreal h = Metrics(font).height();
        const qreal top = m_page.bottom() - h;
        Rule(top - Pt(4));
        const QRectF band(m_page.left(), top, m_page.width(), h);
        Text(band, Qt::AlignLeft | Qt::AlignVCenter, Q(m_d.siteName), font, kMuted);
        Text(band, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Commissioning dossier"),
             font, kMuted);
        const QString page = m_pages > 0
                                 ? QStringLiteral("Page %1 of %2").arg(m_pageNumber).arg(m_pages)
                                 : QStringLiteral("Page %1").arg(m_pageNumber);
        Text(band, Qt::AlignRight | Qt::AlignVCenter, page, font, kMuted);
    }

    // Room for `height` on this page, else on the next.
    bool Ensure(qreal height) {
        if (m_y + height <= m_body.bottom() || m_y == m_body.top()) {
            return true;
        }
        return StartPage(true);
    }

    bool Chapter(const QString& title, const QString& subtitle = {}) {
        if (!StartPage(true)) {
            return false;
        }
        m_chapters.push_back({title, m_pageNumber});
        const QFont font = Font(17, true);
        const qreal h = Metrics(font).height();
        Text(QRectF(m_page.left(), m_y, m_page.width(), h), Qt::AlignLeft | Qt::AlignVCenter, title,
             font, kAccent);
        m_y += h;
        if (!subtitle.isEmpty()) {
            const QFont sub = Font(10);
            const qreal sh = Metrics(sub).height();
            Text(QRectF(m_page.left(), m_y, m_page.width(), sh), Qt::AlignLeft | Qt::AlignVCenter,
                 subtitle, sub, kMuted);
            m_y += sh;
        }
        m_y += Pt(4);
        Rule(m_y, kAccent, 1.0);
        m_y += Pt(10);
        return true;
    }

    // A heading kept with at least `keep` points of what follows it.
    bool Heading(const QString& title, qreal size, qreal keep) {
        const QFont font = Font(size, true);
        const qreal h = Metrics(font).height();
        if (!Ensure(h + Pt(keep) + Pt(40))) {
            return false;
        }
        Text(QRectF(m_page.left(), m_y, m_page.width(), h), Qt::AlignLeft | Qt::AlignVCenter, title,
             font, kAccent);
        m_y += h + Pt(3);
        return true;
    }

    bool Paragraph(const QString& text) {
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
    std::vector<qreal> ColumnWidths(const std::vector<QString>& columns,
                                    const std::vector<std::vector<std::string>>& rows, int count,
                                    qreal width, bool stretchLast) const {
        const QFontMetricsF cell = Metrics(Font(8.5));
        const QFontMetricsF head = Metrics(Font(8.5, true));
        std::vector<qreal> w(count, Pt(12));
        for (int c = 0; c < count && c < static_cast<int>(columns.size()); ++c) {
            w[c] = std::max(w[c], head.horizontalAdvance(columns[c]) + Pt(10));
        }
        for (const auto& row : rows) {
            for (int c = 0; c < count && c < static_cast<int>(row.size()); ++c) {
                w[c] = std::max(w[c], cell.horizontalAdvance(Q(row[c])) + Pt(10));
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

    // `keyColumn` 0 sets the first column bold (name and value lines); -1 none.
    bool Table(const std::vector<QString>& columns,
               const std::vector<std::vector<std::string>>& rows, int keyColumn, qreal left = -1,
               qreal width = -1, const std::vector<std::vector<std::string>>* measured = nullptr) {
        if (left < 0) {
            left = m_page.left();
            width = m_page.width();
        }
        int count = static_cast<int>(columns.size());
        for (const auto& row : rows) {
            count = std::max(count, static_cast<int>(row.size()));
        }
        count = std::max(count, 1);
        const std::vector<qreal> widths =
            ColumnWidths(columns, measured != nullptr ? *measured : rows, count, width,
                         keyColumn == 0 && columns.empty());
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
                    const QRectF r(x + Pt(4), m_y + padding / 2, widths[c] - Pt(6),
                                   height - padding);
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
            const std::vector<QString> cells = Q(row);
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
            m_p->setPen(QPen(kRule, Pt(0.6)));
            m_p->drawLine(QPointF(left, m_y), QPointF(left + width, m_y));
        }
        return true;
    }

    void Cover() {
        qreal y = m_body.top() + Pt(90);
        const QFont label = Font(9, false);
        const QFont title = Font(26, true);
        const QFont site = Font(20, true);
        const qreal th = Metrics(title).height();
        Text(QRectF(m_page.left(), y, m_page.width(), th), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Commissioning Dossier"), title, kAccent);
        y += th;
        const qreal sh = Metrics(site).height();
        Text(QRectF(m_page.left(), y, m_page.width(), sh), Qt::AlignLeft | Qt::AlignVCenter,
             Q(m_d.siteName), site);
        y += sh + Pt(10);
        Rule(y, kAccent, 1.5);
        y += Pt(18);

        const QFont key = Font(10, true);
        const QFont value = Font(10);
        const qreal keyWidth = Pt(120);
        const QRectF valueRoom(0, 0, m_page.width() - keyWidth, m_body.height());
        for (const auto& [name, text] : m_d.cover) {
            const qreal h = std::max(
                Metrics(value).height(),
                Metrics(value).boundingRect(valueRoom, Qt::TextWordWrap, Q(text)).height());
            Text(QRectF(m_page.left(), y, keyWidth, h), Qt::AlignLeft | Qt::AlignTop, Q(name), key,
                 kMuted);
            Text(QRectF(m_page.left() + keyWidth, y, valueRoom.width(), h),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Q(text), value);
            y += h + Pt(5);
        }
        if (!m_d.transceivers.empty()) {
            QStringList names;
            for (const std::string& t : m_d.transceivers) {
                names << Q(t);
            }
            const QString text = names.join(QStringLiteral(", "));
            const qreal h = Metrics(value).boundingRect(valueRoom, Qt::TextWordWrap, text).height();
            Text(QRectF(m_page.left(), y, keyWidth, h), Qt::AlignLeft | Qt::AlignTop,
                 QStringLiteral("Transceiver units"), key, kMuted);
            Text(QRectF(m_page.left() + keyWidth, y, valueRoom.width(), h),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, value);
            y += h + Pt(5);
        }

        y += Pt(24);
        const QFont contents = Font(12, true);
        const qreal ch = Metrics(contents).height();
        Text(QRectF(m_page.left(), y, m_page.width(), ch), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Contents"), contents, kAccent);
        y += ch + Pt(4);
        const qreal lh = Metrics(value).height() * 1.35;
        for (const SDossierChapter& c : m_known) {
            const QRectF line(m_page.left(), y, m_page.width() * 0.7, lh);
            Text(line, Qt::AlignLeft | Qt::AlignVCenter, c.title, value);
            Text(line, Qt::AlignRight | Qt::AlignVCenter, QString::number(c.page), value);
            y += lh;
        }
        const QFont foot = Font(8);
        const qreal fh = Metrics(foot).height();
        Text(QRectF(m_page.left(), m_page.bottom() - fh, m_page.width(), fh),
             Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("%1 pages").arg(m_pages > 0 ? m_pages : 0), foot, kMuted);
    }

    void Picture(const SCabinetScene& scene, const QRectF& room, qreal scale) {
        if (m_p == nullptr) {
            return;
        }
        m_p->save();
        m_p->translate(room.topLeft());
        m_p->scale(scale, scale);
        CCabinetPainter::Paint(*m_p, scene);
        m_p->restore();
    }

    bool ViewPage(const SDossierView& view) {
        if (!Chapter(Q(view.title), Q(view.subtitle))) {
            return false;
        }
        const QSize picture = CCabinetPainter::PictureSize(view.scene);
        const std::vector<QString> columns = Q(view.list.columns);
        std::vector<std::vector<std::string>> rows;
        rows.reserve(view.list.rows.size());
        for (const SListRow& r : view.list.rows) {
            rows.push_back(r.cells);
        }
        if (picture.isEmpty()) {
            return Table(columns, rows, -1);
        }
        const qreal room = m_body.bottom() - m_y;
        const qreal gap = Pt(14);
        const qreal rowGuess = Metrics(Font(8.5)).height() * 1.6;
        const qreal listHeight = rowGuess * static_cast<qreal>(rows.size() + 1);
        // Beside: the picture takes at most half the width, the list the rest. Below: the
        // picture leaves room for the list under it, but keeps at least half the height; a
        // longer list goes on over the next page. The larger picture wins, as long as the list
        // stays readable beside it.
        const qreal besideScale =
            std::min(m_page.width() * 0.5 / picture.width(), room / picture.height());
        const qreal belowScale =
            std::min(m_page.width() / picture.width(),
                     std::max(room * 0.5, room - gap - listHeight) / picture.height());
        const qreal listWidth = m_page.width() - picture.width() * besideScale - gap;
        qreal need = 0;
        {
            const QFontMetricsF head = Metrics(Font(8.5, true));
            const QFontMetricsF cell = Metrics(Font(8.5));
            std::vector<qreal> w(columns.size(), 0);
            for (std::size_t c = 0; c < columns.size(); ++c) {
                w[c] = head.horizontalAdvance(columns[c]);
            }
            for (const auto& r : rows) {
                for (std::size_t c = 0; c < r.size() && c < w.size(); ++c) {
                    w[c] = std::max(w[c], cell.horizontalAdvance(Q(r[c])));
                }
            }
            for (qreal x : w) {
                need += x + Pt(10);
            }
        }
        const bool beside = besideScale > belowScale && need <= listWidth;
        if (beside) {
            const qreal top = m_y;
            Picture(view.scene, QRectF(m_page.left(), top, 0, 0), besideScale);
            const qreal left = m_page.left() + picture.width() * besideScale + gap;
            const int page = m_pageNumber;
            if (!Table(columns, rows, -1, left, m_page.right() - left)) {
                return false;
            }
            if (m_pageNumber == page) {
                m_y = std::max(m_y, top + picture.height() * besideScale);
            }
            return true;
        }
        const qreal width = picture.width() * belowScale;
        Picture(view.scene, QRectF(m_page.left() + (m_page.width() - width) / 2, m_y, 0, 0),
                belowScale);
        m_y += picture.height() * belowScale + gap;
        return Table(columns, rows, -1);
    }

    bool PassivePages() {
        if (!Chapter(QStringLiteral("Passive Units"),
                     QStringLiteral("Serial numbers and product identifiers"))) {
            return false;
        }
        if (m_d.passive.empty()) {
            return Paragraph(QStringLiteral("No information"));
        }
        const std::vector<QString> columns = {QStringLiteral("Unit"),
                                              QStringLiteral("Serial Number"),
                                              QStringLiteral("Product Identifier")};
        // One set of column widths for all groups, so that the tables line up.
        std::vector<std::vector<std::string>> all;
        for (const SDossierPassiveGroup& g : m_d.passive) {
            all.insert(all.end(), g.entries.begin(), g.entries.end());
        }
        QString top;
        for (const SDossierPassiveGroup& g : m_d.passive) {
            if (Q(g.topGroup) != top) {
                top = Q(g.topGroup);
                m_y += Pt(4);
                if (!Heading(top, 12, 30)) {
                    return false;
                }
            }
            if (!Heading(Q(g.group), 10, 20) || !Table(columns, g.entries, -1, -1, -1, &all)) {
                return false;
            }
            m_y += Pt(6);
        }
        return true;
    }

    QPagedPaintDevice& m_device;
    QPainter* m_p;
    const SDossier& m_d;
    int m_pages;
    const std::vector<SDossierChapter>& m_known;
    const DossierProgress& m_progress;
    qreal m_unit = 1;
    QRectF m_page;
    QRectF m_body;
    qreal m_y = 0;
    int m_pageNumber = 0;
    std::vector<SDossierChapter> m_chapters;
};

} // namespace

int LayOutDossier(QPagedPaintDevice& device, const SDossier& dossier,
                  std::vector<SDossierChapter>* chapters) {
    const std::vector<SDossierChapter> none;
    const DossierProgress noProgress;
    CDossierLayout dry(device, nullptr, dossier, 0, none, noProgress);
    dry.Run();
    if (chapters != nullptr) {
        *chapters = dry.Chapters();
    }
    return dry.Pages();
}

int PaintDossier(QPagedPaintDevice& device, const SDossier& dossier,
                 const DossierProgress& progress) {
    std::vector<SDossierChapter> chapters;
    const int pages = LayOutDossier(device, dossier, &chapters);
    QPainter p;
    if (!p.begin(&device)) {
        return -1;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    CDossierLayout layout(device, &p, dossier, pages, chapters, progress);
    const bool done = layout.Run();
    p.end();
    return done ? layout.Pages() : -1;
}

} // namespace paint
