#pragma once

// Themes every screen with the style sheet Skins/<Skin> of the working folder;
// with no skin set, or the file missing, the screens keep the plain style.
void ApplySkin();
