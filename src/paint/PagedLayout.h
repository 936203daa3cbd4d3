#pragma once
// Page mechanics shared by the printed documents (the commissioning dossier and a printed
// view): one pass that only measures, so that the painting pass knows the number of pages, fonts
// sized in points of the device, headings kept with what follows them, tables that go on over
// the next page with their column line again, and the bands of text at the top and bottom of a
// page.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "app/dossier/PageFrame.h"

class QPagedPaintDevice;
class QPainter;
struct SCabinetScene;

namespace paint {

// Told before each page is drawn; answers false to stop.
using PageProgress = std::function<bool(int page, int pages)>;

inline const QColor kPageInk(0x14, 0x1b, 0x24);
inline const QColor kPageAccent(0x1f, 0x4e, 0x79);
inline const QColor kPageMuted(0x5a, 0x64, 0x70);
inline const QColor kPageRule(0xa8, 0xb4, 0xc2);

// The print font at a size in points, for a device of `unit` device units per point.
QFont PageFont(qreal points, qreal unit, bool bold = false);

// The band at the top of a page: the site, the configuration and what the page shows on the
// first line, the file, the date and the software level on the second. The body begins
// kTopBandPoints below the top of the page.
inline constexpr qreal kTopBandPoints = 34;
void PaintTopBand(QPainter& p, const QRectF& page, qreal unit, const SPageFrame& frame,
                  const QString& shows);
// The line at the foot of a page: three texts left, centred and right, in the last
// kBottomBandPoints of the page.
inline constexpr qreal kBottomBandPoints = 26;
void PaintBottomBand(QPainter& p, const QRectF& page, qreal unit, const QString& left,
                     const QString& centre, const QString& right);

class CPagedLayout {
public:
    virtual ~CPagedLayout() = default;
    int Pages() const { return m_pageNumber; }

protected:
    // `painter` null: measure only. `pages` is what the measuring pass counted (0 unknown).
    CPagedLayout(QPagedPaintDevice& device, QPainter* painter, int pages,
                 const PageProgress& progress, qreal top, qreal bottom);

    // Draws what every page carries beside its body; called as each page starts.
    virtual void DecoratePage() = 0;

    qreal Pt(qreal points) const { return points * m_unit; }
    QFont Font(qreal points, bool bold = false) const { return PageFont(points, m_unit, bold); }
    QFontMetricsF Metrics(const QFont& font) const;
    void Text(const QRectF& r, int flags, const QString& text, const QFont& font,
              const QColor& ink = kPageInk);
    void Fill(const QRectF& r, const QColor& colour);
    void Rule(qreal y, const QColor& colour = kPageRule, qreal width = 0.6);
    bool StartPage(bool newSheet);
    // Room for `height` on this page, else on the next.
    bool Ensure(qreal height);
    // A title with its subtitle and a rule, on the page as it stands.
    void Title(const QString& title, const QString& subtitle);
    // A new page that begins with a title.
    bool Chapter(const QString& title, const QString& subtitle = {});
    // A heading kept with at least `keep` points of what follows it.
    bool Heading(const QString& title, qreal size, qreal keep);
    bool Paragraph(const QString& text);
    // `keyColumn` 0 sets the first column bold (name and value lines); -1 none. `measured`, when
    // given, are the rows the column widths are taken from.
    bool Table(const std::vector<QString>& columns,
               const std::vector<std::vector<std::string>>& rows, int keyColumn, qreal left = -1,
               qreal width = -1, const std::vector<std::vector<std::string>>* measured = nullptr);
    void Picture(const SCabinetScene& scene, const QPointF& at, qreal scale);

    QPagedPaintDevice& m_device;
    QPainter* m_p;
    int m_pages;
    const PageProgress& m_progress;
    qreal m_unit = 1;
    QRectF m_page;
    QRectF m_body;
    qreal m_y = 0;
    int m_pageNumber = 0;

private:
    std::vector<qreal> ColumnWidths(const std::vector<QString>& columns,
                                    const std::vector<std::vector<std::string>>& rows, int count,
                                    qreal width, bool stretchLast) const;
};

QString ToQ(const std::string& text);
std::vector<QString> ToQ(const std::vector<std::string>& cells);

} // namespace paint
