#pragma once
// The state record of one button instance: its property fields, client size,
// colour set, caption and picture geometry, window region, captured
// background and interaction state.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/Handles.h"
#include "runtime/StdPicture.h"

namespace button {

// The eleven colours every look paints with (recomputed by setColors).
struct ColorSet {
    int32_t cFace = 0;
    int32_t cLight = 0;
    int32_t cHighlight = 0;
    int32_t cShadow = 0;
    int32_t cDarkShadow = 0;
    int32_t cText = 0;
    int32_t cTextOver = 0;
    int32_t cMask = 0;
    int32_t cFaceXP = 0;
};

using rt::PictureRef;

struct ButtonState {
    int32_t ButtonType = 0;
    int32_t ColorScheme = 0;
    int32_t PicturePosition = 0;
    int32_t SpecialEffect = 0;
    int32_t He = 0;
    int32_t Wi = 0;
    int32_t BackColor = 0;
    int32_t BackOver = 0;
    int32_t ForeColor = 0;
    int32_t ForeOver = 0;
    int32_t MaskColor = 0;
    int32_t selColor = 0;
    int32_t selPaleColor = 0;
    bool UseMaskColor = false;
    bool UseGreyscale = false;
    bool HandPointer = false;
    PictureRef PictureNormal;
    PictureRef PictureOver;
    // The captured parent background of the transparent look; oldBitmap is
    // what backgroundDC held before and goes back in before it is deleted.
    rt::unique_hdc backgroundDC;
    rt::unique_hbitmap backgroundBitmap;
    HBITMAP oldBitmap = nullptr;
    std::wstring Caption;
    RECT rcText{};
    RECT rcTextDown{};
    RECT rcFocus{};
    int32_t textW = 0;
    int32_t textH = 0;
    int32_t picX = 0;
    int32_t picY = 0;
    int32_t picW = 0;
    int32_t picH = 0;
    HRGN buttonRegion = nullptr;  // the window's current region (the window owns it)
    uint8_t lastButton = 0;
    uint8_t lastKey = 0;
    bool Enabled = false;
    bool SoftBevel = false;
    bool hasFocus = false;
    bool ShowFocusRect = false;
    ColorSet colors;
    uint8_t lastState = 0;
    std::wstring lastCaption;
    bool refreshOn = false;
    bool isOver = false;
    bool capturing = false;
    int32_t lastTextState = 0;
    bool CheckBoxBehaviour = false;
    bool Value = false;
};

}  // namespace button
