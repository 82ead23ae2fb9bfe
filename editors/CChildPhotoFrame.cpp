#include "editors/CChildPhotoFrame.h"

IMPLEMENT_DYNCREATE(CChildPhotoFrame, QZChildFrame)

CChildPhotoFrame::CChildPhotoFrame() : QZChildFrame("CChildPhotoFrame") {}
