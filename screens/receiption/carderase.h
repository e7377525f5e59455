#pragma once

#include "screens/receiption/desktexts.h"

// The front desk's card erase: after the operator's OK (N9068), reads the card
// on the encoder, erases it and marks it erased in the card register. In the
// direct-erase service mode (fDirectCardErase) the card is erased without
// being read and the register is not touched. The guest register and the
// room stay as they are. True after the success box.
bool EraseCardAtDesk(const DeskTexts &texts);
