// Types shared by the module and the platform it runs on. Everything here crosses the boundary
// between ZelmoGraphics.dlm and the loading process, so widths are exact and layouts are C.
#pragma once

#include <cstddef>
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

// The records are the module's binary interface with the drawing service: a service built by
// another compiler, or for another processor, must lay them out exactly so. None holds a
// pointer or a 64-bit field, so the layout is the same on 32-bit and 64-bit processors.
// docs/drawing-service.md gives the same table.
#define ZELMO_FIELD_AT(type, field, offset) static_assert(offsetof(type, field) == (offset))
static_assert(sizeof(POINTRECT) == 16 && alignof(POINTRECT) == 4);
ZELMO_FIELD_AT(POINTRECT, x1, 0);
ZELMO_FIELD_AT(POINTRECT, y1, 4);
ZELMO_FIELD_AT(POINTRECT, x2, 8);
ZELMO_FIELD_AT(POINTRECT, y2, 12);
static_assert(sizeof(POINTLINE) == 16 && alignof(POINTLINE) == 4);
ZELMO_FIELD_AT(POINTLINE, startX, 0);
ZELMO_FIELD_AT(POINTLINE, startY, 4);
ZELMO_FIELD_AT(POINTLINE, endX, 8);
ZELMO_FIELD_AT(POINTLINE, endY, 12);
static_assert(sizeof(APOINT) == 8 && alignof(APOINT) == 4);
ZELMO_FIELD_AT(APOINT, x, 0);
ZELMO_FIELD_AT(APOINT, y, 4);
static_assert(sizeof(PLANECOL) == 12 && alignof(PLANECOL) == 4);
ZELMO_FIELD_AT(PLANECOL, lineColor, 0);
ZELMO_FIELD_AT(PLANECOL, backColor, 4);
ZELMO_FIELD_AT(PLANECOL, fillColor, 8);
static_assert(sizeof(PLANEATTRIB) == 4 && alignof(PLANEATTRIB) == 1);
ZELMO_FIELD_AT(PLANEATTRIB, lineWidth, 0);
ZELMO_FIELD_AT(PLANEATTRIB, lineStyle, 1);
ZELMO_FIELD_AT(PLANEATTRIB, fillPattern, 2);
ZELMO_FIELD_AT(PLANEATTRIB, fourth, 3);
static_assert(sizeof(TEXTCOL) == 12 && alignof(TEXTCOL) == 4);
ZELMO_FIELD_AT(TEXTCOL, textColor, 0);
ZELMO_FIELD_AT(TEXTCOL, backColor, 4);
ZELMO_FIELD_AT(TEXTCOL, thirdColor, 8);
static_assert(sizeof(TEXTATTRIB) == 24 && alignof(TEXTATTRIB) == 4);
ZELMO_FIELD_AT(TEXTATTRIB, mode, 0);
ZELMO_FIELD_AT(TEXTATTRIB, option1, 4);
ZELMO_FIELD_AT(TEXTATTRIB, option2, 5);
ZELMO_FIELD_AT(TEXTATTRIB, option3, 6);
ZELMO_FIELD_AT(TEXTATTRIB, option4, 7);
ZELMO_FIELD_AT(TEXTATTRIB, option5, 8);
ZELMO_FIELD_AT(TEXTATTRIB, option6, 9);
ZELMO_FIELD_AT(TEXTATTRIB, option7, 10);
ZELMO_FIELD_AT(TEXTATTRIB, reserved, 11);
static_assert(sizeof(stImageHandle) == 4 && alignof(stImageHandle) == 4);
#undef ZELMO_FIELD_AT
