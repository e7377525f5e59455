#include "rights.h"

#include "state.h"

bool HasRight(int position)
{
    return position >= 1 && position <= strQX.size() && strQX.at(position - 1) != u'0';
}
