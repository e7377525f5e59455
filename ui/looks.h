#pragma once

class QWidget;

// The parts of a screen that look different from the rest. A screen marks
// them with SetLook; the skins pick them out by the dynamic property "look"
// (QLabel[look="heading"]) and give each colours that read on that skin's
// backgrounds, and the colours set here are what a screen shows with no skin.
enum class Look {
    Picture,      // a stretched picture that other controls lie on
    PictureText,  // text lying on a picture
    Welcome,      // the large greeting on a picture
    Notice,       // a warning line on a picture
    Panel,        // a plain panel lying on a picture, for entry fields
    FieldCaption, // the caption of an entry field that has to stand out
    Heading,      // the heading of a list
};

void SetLook(QWidget *widget, Look look);
