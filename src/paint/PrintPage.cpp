#include "paint/PrintPage.h"

#include <QPainter>

#include "paint/CabinetPainter.h"
#include "paint/PagedLayout.h"

namespace paint {

namespace {

const PageProgress kNoProgress;

class CViewPrintLayout : public CPagedLayout {
public:
    CViewPrintLayout(QPagedPaintDevice& device, QPainter* painter, const SPageFrame& frame,
                     const SDossierView& view, int pages)
        : CPagedLayout(device, painter, pages, kNoProgress, kTopBandPoints, kBottomBandPoints),
          m_frame(frame), m_view(view) {}

    bool Run() {
        if (!StartPage(false)) {
            return false;
        }
        m_first.body = m_body;
        const QSize picture = CCabinetPainter::PictureSize(m_view.scene);
        if (!picture.isEmpty()) {
            // The whole first page for the picture: on site it is read at arm's length.
            const qreal scale = std::min(m_body.width() / picture.width(),
                                         (m_body.bottom() - m_y) / picture.height());
            const QSizeF size(picture.width() * scale, picture.height() * scale);
            const QPointF at(m_body.left() + (m_body.width() - size.width()) / 2, m_y);
            Picture(m_view.scene, at, scale);
            m_first.picture = QRectF(at, size);
            m_y += size.height() + Pt(12);
        }
        std::vector<std::vector<std::string>> rows;
        rows.reserve(m_view.list.rows.size());
        for (const SListRow& r : m_view.list.rows) {
            rows.push_back(r.cells);
        }
        return Table(ToQ(m_view.list.columns), rows, -1);
    }

    SPrintedView First() const { return m_first; }

private:
    void DecoratePage() override {
        PaintTopBand(*m_p, m_page, m_unit, m_frame, ToQ(m_view.title));
        const QString page = m_pages > 0
                                 ? QStringLiteral("Page %1 / %2").arg(m_pageNumber).arg(m_pages)
                                 : QStringLiteral("Page %1").arg(m_pageNumber);
        PaintBottomBand(*m_p, m_page, m_unit, QStringLiteral("Cabrion ") + ToQ(m_frame.version),
                        ToQ(m_frame.site), page);
    }

    const SPageFrame& m_frame;
    const SDossierView& m_view;
    SPrintedView m_first;
};

} // namespace

int PrintView(QPagedPaintDevice& device, const SPageFrame& frame, const SDossierView& view,
              SPrintedView* layout) {
    CViewPrintLayout dry(device, nullptr, frame, view, 0);
    dry.Run();
    QPainter p;
    if (!p.begin(&device)) {
        return -1;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    CViewPrintLayout print(device, &p, frame, view, dry.Pages());
    const bool done = print.Run();
    p.end();
    if (layout != nullptr) {
        *layout = print.First();
        layout->pages = print.Pages();
    }
    return done ? print.Pages() : -1;
}

} // namespace paint
