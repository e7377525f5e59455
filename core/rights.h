#pragma once

// Whether the logged-on operator's rights string strQX enables the buttons
// whose Tag is position (counting from 1): any character but "0" does. A
// position beyond the end of the string counts as "0", so a short rights
// string gives no right it does not spell out.
bool HasRight(int position);
