#include "StockSelection.h"

#include <algorithm>
#include <map>

std::vector<TLabelLayout> selectStock(const std::vector<StockCandidate> &candidates, int capacity)
{
    std::vector<bool> chosen(candidates.size(), false);
    int count = 0;
    const auto choose = [&](std::size_t index) {
        if (!chosen[index] && count < capacity) {
            chosen[index] = true;
            ++count;
        }
    };

    for (std::size_t index = 0; index < candidates.size(); ++index) {
        const StockCandidate &candidate = candidates[index];
        if (candidate.part == candidate.family || !candidate.layout.ArtName.isEmpty())
            choose(index);
    }

    // The remaining members of each family, families in the order they first appear. Within a
    // family laser and inkjet products take turns, so that a family cut short keeps both kinds.
    std::vector<QString> familyOrder;
    std::map<QString, std::vector<std::size_t>> laser, inkjet;
    for (std::size_t index = 0; index < candidates.size(); ++index) {
        if (chosen[index])
            continue;
        const StockCandidate &candidate = candidates[index];
        if (!laser.contains(candidate.family) && !inkjet.contains(candidate.family))
            familyOrder.push_back(candidate.family);
        (candidate.layout.PrinterType == u"IJ" ? inkjet : laser)[candidate.family].push_back(index);
    }
    std::map<QString, std::vector<std::size_t>> members;
    for (const QString &family : familyOrder) {
        const std::vector<std::size_t> &first = laser[family];
        const std::vector<std::size_t> &second = inkjet[family];
        std::vector<std::size_t> &turns = members[family];
        for (std::size_t turn = 0; turn < std::max(first.size(), second.size()); ++turn) {
            if (turn < first.size())
                turns.push_back(first[turn]);
            if (turn < second.size())
                turns.push_back(second[turn]);
        }
    }
    for (std::size_t round = 0; count < capacity; ++round) {
        bool any = false;
        for (const QString &family : familyOrder) {
            const std::vector<std::size_t> &list = members[family];
            if (round < list.size()) {
                choose(list[round]);
                any = true;
            }
        }
        if (!any)
            break;
    }

    std::vector<TLabelLayout> selection;
    for (std::size_t index = 0; index < candidates.size(); ++index) {
        if (chosen[index])
            selection.push_back(candidates[index].layout);
    }
    return selection;
}
