// Types shared by the module and the platform it runs on. Everything here crosses the boundary
// between ZelmoGraphics.dlm and the loading process, so widths are exact and layouts are C.
#pragma once

#include <cstdint>

extern "C" {

typedef char16_t UniChar;  // one UTF-16 unit; wide strings are zero-terminated inside the module
typedef uint32_t jref;     // a managed reference: the 32-bit address of an object's body
typedef uint32_t jslot;    // one slot of the reference or primitive stack
typedef void (*NativeFunction)(void);
typedef struct VmClass VmClass;  // a class object of the virtual machine (opaque)
typedef void* MethodPtr;         // a method descriptor of the virtual machine (opaque)
typedef uint32_t stImageHandle;  // an image of the drawing service (opaque)

typedef struct {
  int32_t x1, y1, x2, y2;
} POINTRECT;

typedef struct {
  int32_t startX, startY, endX, endY;
} POINTLINE;

typedef struct {
  int32_t x, y;
} APOINT;

typedef struct {
  int32_t lineColor, backColor, fillColor;
} PLANECOL;

typedef struct {
  uint8_t lineWidth, lineStyle, fillPattern, fourth;
} PLANEATTRIB;

typedef struct {
  int32_t textColor, backColor, thirdColor;
} TEXTCOL;

typedef struct {
  int32_t mode;
  uint8_t option1, option2, option3, option4, option5, option6, option7;
  uint8_t reserved[13];
} TEXTATTRIB;

}  // extern "C"

static_assert(sizeof(POINTRECT) == 16 && sizeof(POINTLINE) == 16 && sizeof(APOINT) == 8);
static_assert(sizeof(PLANECOL) == 12 && sizeof(PLANEATTRIB) == 4);
static_assert(sizeof(TEXTCOL) == 12 && sizeof(TEXTATTRIB) == 24);
