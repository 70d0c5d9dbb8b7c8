#pragma once

#include <QString>

#include <vector>

#include "layout/TLabelLayout.h"

// A mapped product with the family it belongs to: the part whose measurements it shares.
struct StockCandidate
{
    TLabelLayout layout;
    QString part;
    QString family;
};

// Chooses at most `capacity` records, keeping the source order: every product with measurements
// of its own and every one with a stock picture first, then the equivalent products family by
// family in turn, so that no large family crowds out the smaller ones, laser and inkjet products
// taking turns within a family.
std::vector<TLabelLayout> selectStock(const std::vector<StockCandidate> &candidates, int capacity);
