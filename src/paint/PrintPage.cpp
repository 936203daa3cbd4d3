#include "paint/PrintPage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "paint/CabinetPainter.h"

namespace paint {

namespace {

QFont PageFont(const QRectF& page, qreal share, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Sizes follow the page, so that printers of any resolution give the same page.
    font.setPixelSize(std::max(4, qRound(page.width() * share)));
    font.setBold(bold);
    return font;
}

} // namespace

int PaintViewPage(QPainter& p, const QRectF& page, const SPrintHeading& heading,
                  const SCabinetScene& scene, const SListContent& list) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor ink(0x10, 0x18, 0x20);
    qreal y = page.top();

    const QFont titleFont = PageFont(page, 0.032, true);
    p.setFont(titleFont);
    p.setPen(ink);
    const qreal titleHeight = QFontMetricsF(titleFont).height();
    p.drawText(QRectF(page.left(), y, page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
               heading.title);
    y += titleHeight;
    const QFont subFont = PageFont(page, 0.018);
    p.setFont(subFont);
    const qreal subHeight = QFontMetricsF(subFont).height();
    p.drawText(QRectF(page.left(), y, page.width(), subHeight), Qt::AlignLeft | Qt::AlignVCenter,
               heading.subtitle);
    y += subHeight * 1.4;
    p.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    y += subHeight * 0.6;

    // The picture on the left, as in the window, and the list beside it.
    const QSize picture = CCabinetPainter::PictureSize(scene);
    qreal listLeft = page.left();
    if (!picture.isEmpty()) {
        const qreal room = page.bottom() - y;
        const qreal scale = std::min(page.width() * 0.4 / picture.width(), room / picture.height());
        p.save();
        p.translate(page.left(), y);
        p.scale(scale, scale);
        CCabinetPainter::Paint(p, scene);
        p.restore();
        listLeft = page.left() + picture.width() * scale + subHeight;
    }
    const QRectF table(listLeft, y, page.right() - listLeft, page.bottom() - y);

    // The list as a table.
    const QFont cellFont = PageFont(page, 0.0145);
    const QFont headFont = PageFont(page, 0.0145, true);
    const QFontMetricsF fm(cellFont);
    const qreal rowHeight = fm.height() * 1.35;
    const int columns = std::max<int>(1, static_cast<int>(list.columns.size()));
    const qreal columnWidth = table.width() / columns;
    const auto drawRow = [&](const std::vector<std::string>& cells, const QFont& font) {
        p.setFont(font);
        for (int c = 0; c < columns && c < static_cast<int>(cells.size()); ++c) {
            const QRectF cell(table.left() + c * columnWidth + 2, y, columnWidth - 4, rowHeight);
            p.drawText(
                cell, Qt::AlignLeft | Qt::AlignVCenter,
                fm.elidedText(QString::fromStdString(cells[c]), Qt::ElideRight, cell.width()));
        }
        y += rowHeight;
    };
    drawRow(list.columns, headFont);
    p.drawLine(QPointF(table.left(), y), QPointF(table.right(), y));
    int printed = 0;
    const int total = static_cast<int>(list.rows.size());
    for (const SListRow& row : list.rows) {
        // Keep a line free for the note about rows that did not fit.
        const bool last = printed == total - 1;
        if (y + rowHeight * (last ? 1 : 2) > page.bottom()) {
            break;
        }
        drawRow(row.cells, cellFont);
        ++printed;
    }
    if (printed < total) {
        p.setFont(cellFont);
        p.drawText(QRectF(page.left(), y, page.width(), rowHeight),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("... %1 more rows").arg(total - printed));
    }
    p.restore();
    return printed;
}

} // namespace paint
