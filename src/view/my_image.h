#pragma once
// The rest of the surface chain. TMyImage3 is the layer meant for a
// three-dimensional projection; the board never projects, so it adds nothing
// yet and leaves the transform of TMyImage2 alone. TMyImage is the class of
// the board's drawing surface, on which TBoardView paints.

#include "view/my_image2.h"

class TMyImage3 : public TMyImage2 {
public:
    explicit TMyImage3(QWidget* owner) : TMyImage2(owner) {}
};

class TMyImage : public TMyImage3 {
public:
    explicit TMyImage(QWidget* owner) : TMyImage3(owner) {}
};
