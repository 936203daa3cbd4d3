#include "paint/DossierPainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "paint/CabinetPainter.h"
#include "paint/PagedLayout.h"

namespace paint {

namespace {

// "Cabinet type:<tab>Indoor": the names set apart from their values.
bool NameValueLines(const SReportTable& t) {
    return t.columns.empty() && !t.rows.empty() &&
           std::all_of(t.rows.begin(), t.rows.end(), [](const std::vector<std::string>& r) {
               return r.size() == 2 && r[0].ends_with(':');
           });
}

// One pass over the dossier: with `paint` off it only measures, so that the real pass knows
// the number of pages and where each chapter starts.
class CDossierLayout : public CPagedLayout {
public:
    CDossierLayout(QPagedPaintDevice& device, QPainter* painter, const SDossier& dossier, int pages,
                   const std::vector<SDossierChapter>& chapters, const DossierProgress& progress)
        : CPagedLayout(device, painter, pages, progress, 0, kBottomBandPoints), m_d(dossier),
          m_known(chapters) {}

    // False when stopped.
    bool Run() {
        if (!StartPage(false)) {
            return false;
        }
        Cover();
        if (!DossierChapter(QStringLiteral("Configuration Report"))) {
            return false;
        }
        for (const SReportTable& t : m_d.report.sections) {
            if (!Heading(ToQ(t.title), 12, 10)) {
                return false;
            }
            if (!Table(ToQ(t.columns), t.rows, NameValueLines(t) ? 0 : -1)) {
                return false;
            }
            m_y += Pt(8);
        }
        for (const std::string& note : m_d.report.notes) {
            if (!Paragraph(ToQ(note))) {
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
                for (const QString& line : ToQ(m_d.missingInformation).split(QLatin1Char('\n'))) {
                    if (!Paragraph(line)) {
                        return false;
                    }
                }
            }
        }
        return true;
    }

    const std::vector<SDossierChapter>& Chapters() const { return m_chapters; }

private:
    // Every page but the cover carries the site and its number.
    void DecoratePage() override {
        if (m_pageNumber == 1) {
            return;
        }
        const QString page = m_pages > 0
                                 ? QStringLiteral("Page %1 of %2").arg(m_pageNumber).arg(m_pages)
                                 : QStringLiteral("Page %1").arg(m_pageNumber);
        PaintBottomBand(*m_p, m_page, m_unit, ToQ(m_d.siteName),
                        QStringLiteral("Commissioning dossier"), page);
    }

    bool DossierChapter(const QString& title, const QString& subtitle = {}) {
        if (!Chapter(title, subtitle)) {
            return false;
        }
        m_chapters.push_back({title, m_pageNumber});
        return true;
    }

    void Cover() {
        qreal y = m_body.top() + Pt(90);
        const QFont label = Font(9, false);
        const QFont title = Font(26, true);
        const QFont site = Font(20, true);
        const qreal th = Metrics(title).height();
        Text(QRectF(m_page.left(), y, m_page.width(), th), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Commissioning Dossier"), title, kPageAccent);
        y += th;
        const qreal sh = Metrics(site).height();
        Text(QRectF(m_page.left(), y, m_page.width(), sh), Qt::AlignLeft | Qt::AlignVCenter,
             ToQ(m_d.siteName), site);
        y += sh + Pt(10);
        Rule(y, kPageAccent, 1.5);
        y += Pt(18);

        const QFont key = Font(10, true);
        const QFont value = Font(10);
        const qreal keyWidth = Pt(120);
        const QRectF valueRoom(0, 0, m_page.width() - keyWidth, m_body.height());
        for (const auto& [name, text] : m_d.cover) {
            const qreal h = std::max(
                Metrics(value).height(),
                Metrics(value).boundingRect(valueRoom, Qt::TextWordWrap, ToQ(text)).height());
            Text(QRectF(m_page.left(), y, keyWidth, h), Qt::AlignLeft | Qt::AlignTop, ToQ(name),
                 key, kPageMuted);
            Text(QRectF(m_page.left() + keyWidth, y, valueRoom.width(), h),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, ToQ(text), value);
            y += h + Pt(5);
        }
        if (!m_d.transceivers.empty()) {
            QStringList names;
            for (const std::string& t : m_d.transceivers) {
                names << ToQ(t);
            }
            const QString text = names.join(QStringLiteral(", "));
            const qreal h = Metrics(value).boundingRect(valueRoom, Qt::TextWordWrap, text).height();
            Text(QRectF(m_page.left(), y, keyWidth, h), Qt::AlignLeft | Qt::AlignTop,
                 QStringLiteral("Transceiver units"), key, kPageMuted);
            Text(QRectF(m_page.left() + keyWidth, y, valueRoom.width(), h),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, value);
            y += h + Pt(5);
        }

        y += Pt(24);
        const QFont contents = Font(12, true);
        const qreal ch = Metrics(contents).height();
        Text(QRectF(m_page.left(), y, m_page.width(), ch), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Contents"), contents, kPageAccent);
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
             QStringLiteral("%1 pages").arg(m_pages > 0 ? m_pages : 0), foot, kPageMuted);
    }

    bool ViewPage(const SDossierView& view) {
        if (!DossierChapter(ToQ(view.title), ToQ(view.subtitle))) {
            return false;
        }
        const QSize picture = CCabinetPainter::PictureSize(view.scene);
        const std::vector<QString> columns = ToQ(view.list.columns);
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
                    w[c] = std::max(w[c], cell.horizontalAdvance(ToQ(r[c])));
                }
            }
            for (qreal x : w) {
                need += x + Pt(10);
            }
        }
        const bool beside = besideScale > belowScale && need <= listWidth;
        if (beside) {
            const qreal top = m_y;
            Picture(view.scene, QPointF(m_page.left(), top), besideScale);
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
        Picture(view.scene, QPointF(m_page.left() + (m_page.width() - width) / 2, m_y), belowScale);
        m_y += picture.height() * belowScale + gap;
        return Table(columns, rows, -1);
    }

    bool PassivePages() {
        if (!DossierChapter(QStringLiteral("Passive Units"),
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
            if (ToQ(g.topGroup) != top) {
                top = ToQ(g.topGroup);
                m_y += Pt(4);
                if (!Heading(top, 12, 30)) {
                    return false;
                }
            }
            if (!Heading(ToQ(g.group), 10, 20) || !Table(columns, g.entries, -1, -1, -1, &all)) {
                return false;
            }
            m_y += Pt(6);
        }
        return true;
    }

    const SDossier& m_d;
    const std::vector<SDossierChapter>& m_known;
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
