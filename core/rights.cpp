#include "core/rights.h"

#include "core/state.h"

bool HasRight(int position)
{
    return position >= 1 && position <= strQX.size() && strQX.at(position - 1) != u'0';
}
