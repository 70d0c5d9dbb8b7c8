#include "design/TGGraphicControl.h"

#include "design/DesignSurface.h"
#include "document/TGLabelObjectFiler.h"
#include "platform/Numbers.h"

TGGraphicControl::TGGraphicControl() = default;

TGGraphicControl::~TGGraphicControl() = default;

const PropertyTable &TGGraphicControl::baseProperties()
{
    using namespace Published;
    static const PropertyTable table{
        integer("Tag", &TGGraphicControl::tag, &TGGraphicControl::setTag, 0),
        integer("Left", &TGGraphicControl::left, &TGGraphicControl::setLeft),
        integer("Top", &TGGraphicControl::top, &TGGraphicControl::setTop),
        integer("Width", &TGGraphicControl::width, &TGGraphicControl::setWidth),
        integer("Height", &TGGraphicControl::height, &TGGraphicControl::setHeight),
        ordinal("Cursor", PropertyKind::Cursor, &TGGraphicControl::cursor, &TGGraphicControl::setCursor,
                Cursors::crDefault),
        string("Hint", &TGGraphicControl::hint, &TGGraphicControl::setHint),
        boolean("Locked", &TGGraphicControl::locked, &TGGraphicControl::setLocked),
        boolean("Unselectable", &TGGraphicControl::unselectable, &TGGraphicControl::setUnselectable),
    };
    return table;
}

const PropertyTable &TGGraphicControl::publishedProperties() const
{
    return baseProperties();
}

bool TGGraphicControl::parentIsDesignPanel() const
{
    return m_parent && m_parent->isDesignPanel();
}

void TGGraphicControl::setBounds(int left, int top, int width, int height)
{
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    Invalidate();
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    Invalidate();
    // Only a placed object reports: what a constructor sets is not a change of the document.
    if (!m_loading && m_parent)
        BoundsChanged();
}

void TGGraphicControl::setLocked(bool locked)
{
    if (locked == m_locked)
        return;
    m_locked = locked;
    if (m_loading)
        return;
    if (m_lockedItem)
        m_lockedItem->setChecked(locked);
    NotifyChanged();
}

void TGGraphicControl::setUnselectable(bool unselectable)
{
    if (unselectable == m_unselectable)
        return;
    m_unselectable = unselectable;
    if (m_loading)
        return;
    NotifyChanged();
    if (unselectable && m_parent)
        m_parent->removeFromSelection(*this);
}

void TGGraphicControl::paintOn(Canvas &canvas)
{
    m_ownCanvas = &canvas;
    DrawCanvas = &canvas;
    Paint();
    DrawCanvas = nullptr;
    m_ownCanvas = nullptr;
}

void TGGraphicControl::paintTo(Canvas &canvas)
{
    Canvas *const previous = DrawCanvas;
    DrawCanvas = &canvas;
    Paint();
    DrawCanvas = previous;
}

void TGGraphicControl::Loaded()
{
    m_objectMenu = std::make_unique<PopupMenu>();
    PopupMenu &menu = *m_objectMenu;
    menu.add(QStringLiteral("Bring To Front"), [this] { BringToFrontClick(); });
    menu.add(QStringLiteral("Send To Back"), [this] { SendToBackClick(); });
    menu.add(QStringLiteral("Cut"), [this] { CutClick(); });
    menu.add(QStringLiteral("Copy"), [this] { CopyClick(); });
    menu.add(QStringLiteral("Delete"), [this] { DeleteClick(); });
    menu.add(QStringLiteral("Clone"), [this] { CloneClick(); });
    menu.addSeparator();
    m_lockedItem = menu.add(QStringLiteral("Locked"), [this] { LockedClick(); });
    m_lockedItem->setChecked(m_locked);
    menu.add(QStringLiteral("Unselectable"), [this] { UnselectableClick(); });
    menu.addSeparator();
    menu.add(QStringLiteral("Center Vertically"), [this] { CenterVerticallyClick(); });
    menu.add(QStringLiteral("Center Horizontally"), [this] { CenterHorizontallyClick(); });
    menu.setOnPopup([this] { PopupOpening(); });
    m_loading = false;
}

void TGGraphicControl::Paint()
{
    PaintHandles();
}

void TGGraphicControl::BoundsChanged()
{
    if (m_boundsCheckBusy)
        return;
    m_boundsCheckBusy = true;
    const EdgeRect current = EdgeRect::fromBounds(m_left, m_top, m_width, m_height);
    if (m_lastBounds.isNull())
        m_lastBounds = current;
    if (current != m_lastBounds) {
        NotifyChanged();
        m_lastBounds = current;
        RequestFrameUpdate();
    }
    m_boundsCheckBusy = false;
}

void TGGraphicControl::NotifyChanged()
{
    if (parentIsDesignPanel() && !m_parent->printing())
        m_parent->raiseChanged();
}

void TGGraphicControl::RequestFrameUpdate()
{
    if (parentIsDesignPanel())
        m_parent->postFrameUpdate();
}

std::vector<EdgeRect> TGGraphicControl::handleRects(const EdgeRect &bounds, bool onlySelection)
{
    const EdgeRect r{bounds.left - 2, bounds.top - 2, bounds.right + 2, bounds.bottom + 2};
    std::vector<EdgeRect> squares{
        {r.left, r.top, r.left + 5, r.top + 5},
        {r.right - 5, r.top, r.right, r.top + 5},
        {r.right - 5, r.bottom - 5, r.right, r.bottom},
        {r.left, r.bottom - 5, r.left + 5, r.bottom},
    };
    if (onlySelection) {
        const int mx = r.left + int(Trunc((r.right - r.left) * 0.5));
        const int my = r.top + int(Trunc((r.bottom - r.top) * 0.5));
        squares.push_back({mx - 2, r.top, mx + 3, r.top + 5});
        squares.push_back({mx - 2, r.bottom - 5, mx + 3, r.bottom});
        squares.push_back({r.left, my - 2, r.left + 5, my + 3});
        squares.push_back({r.right - 5, my - 2, r.right, my + 3});
    }
    return squares;
}

void TGGraphicControl::PaintHandles()
{
    if (!parentIsDesignPanel() || !m_parent->isSelected(*this))
        return;
    const bool only = m_parent->selectionCount() == 1;
    const TColor color = only ? m_parent->handleColor() : m_parent->secondaryHandleColor();
    m_parent->drawHandles(handleRects(EdgeRect::fromBounds(m_left, m_top, m_width, m_height), only), color);
}

void TGGraphicControl::ShowPopupAt(QPoint screenPosition)
{
    if (m_objectMenu)
        m_objectMenu->popup(screenPosition);
}

void TGGraphicControl::SetZoom(float newScale)
{
    if (newScale == m_scale)
        return;
    const float r = newScale / m_scale;
    const long double ratio = r;
    const bool wasLoading = m_loading;
    m_loading = true; // one bounds check below, not one per coordinate
    setBounds(int(RoundExtended(ratio * m_left)), int(RoundExtended(ratio * m_top)),
              int(RoundExtended(ratio * m_width)), int(RoundExtended(ratio * m_height)));
    m_loading = wasLoading;
    m_scale = newScale;
    BoundsChanged();
}

void TGGraphicControl::Invalidate()
{
    if (m_parent)
        m_parent->objectNeedsRepaint(*this);
}

QString TGGraphicControl::TrimSpaces(const QString &text, TrimMode mode)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    if (mode != TrimMode::Trailing) {
        while (first < last && text[first] == QLatin1Char(' '))
            ++first;
    }
    if (mode != TrimMode::Leading) {
        while (last > first && text[last - 1] == QLatin1Char(' '))
            --last;
    }
    return text.mid(first, last - first);
}

void TGGraphicControl::BringToFrontClick()
{
    NotifyChanged();
    if (m_parent)
        m_parent->bringToFront(*this);
}

void TGGraphicControl::SendToBackClick()
{
    NotifyChanged();
    if (m_parent) {
        m_parent->sendToBack(*this);
        m_parent->clearSelection();
    }
}

void TGGraphicControl::CutClick()
{
    if (!parentIsDesignPanel())
        return;
    NotifyChanged();
    m_parent->objectClipboardCommand(*this, ClipboardCommand::Cut);
}

void TGGraphicControl::CopyClick()
{
    if (parentIsDesignPanel())
        m_parent->objectClipboardCommand(*this, ClipboardCommand::Copy);
}

void TGGraphicControl::DeleteClick()
{
    if (!parentIsDesignPanel())
        return;
    NotifyChanged();
    m_parent->objectClipboardCommand(*this, ClipboardCommand::Delete);
}

TGGraphicControl *TGGraphicControl::CloneClick()
{
    if (!m_parent)
        return nullptr;
    DesignSurface &surface = *m_parent;
    TGGraphicControl *copy = TGLabelObjectFiler().CloneObject(*this, surface);
    if (!copy)
        return nullptr;
    surface.processPendingEvents();
    copy->setTop(m_top + 25);
    surface.bringToFront(*copy);
    if (parentIsDesignPanel()) {
        surface.afterClone();
        if (surface.isSelected(*this)) {
            surface.removeFromSelection(*this);
            surface.addToSelection(*copy);
        }
        surface.hookObjectEvents();
    }
    NotifyChanged();
    return copy;
}

void TGGraphicControl::LockedClick()
{
    setLocked(!m_locked);
    if (m_lockedItem)
        m_lockedItem->setChecked(m_locked);
    NotifyChanged();
}

void TGGraphicControl::UnselectableClick()
{
    setUnselectable(true);
    NotifyChanged();
    if (m_parent)
        m_parent->removeFromSelection(*this);
}

void TGGraphicControl::CenterVerticallyClick()
{
    if (!parentIsDesignPanel())
        return;
    setTop(Div(m_parent->surfaceHeight(), 2) - Div(m_height, 2));
    afterCentring();
}

void TGGraphicControl::CenterHorizontallyClick()
{
    if (!parentIsDesignPanel())
        return;
    setLeft(Div(m_parent->surfaceWidth(), 2) - Div(m_width, 2));
    afterCentring();
}

void TGGraphicControl::afterCentring()
{
    NotifyChanged();
    m_parent->processPendingEvents();
    m_parent->repaintSurface();
}
