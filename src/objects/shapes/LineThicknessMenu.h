#pragma once

#include <array>
#include <functional>

class MenuItem;

// The "Line Thickness" submenu of the line and shape objects: "1 Point" to "10 Point", with the
// check mark on the item that matches the pen.
class LineThicknessMenu
{
public:
    // Appends the submenu; choosing item n runs onChoose(n).
    void addTo(MenuItem &menu, const std::function<void(int)> &onChoose);
    // Checks the item whose number equals the width; none for widths above 10.
    void showWidth(int penWidth);

private:
    std::array<MenuItem *, 10> m_items{};
};
