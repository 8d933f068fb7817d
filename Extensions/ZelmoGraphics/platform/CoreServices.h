// The core service library: wide strings, math, memory, configuration, errors, time, languages.
#pragma once

#include <cstddef>

#include "PlatformTypes.h"

extern "C" {

int32_t osUTustrlen(const UniChar* text);
UniChar* osUTustrcpy(UniChar* destination, const UniChar* source);
UniChar* osUTustrcat(UniChar* destination, const UniChar* source);
int32_t osUTustrcmp(const UniChar* a, const UniChar* b);
int32_t osUTustrncmp(const UniChar* a, const UniChar* b, int32_t n);
UniChar* osUTustrrchr(const UniChar* text, UniChar c);
UniChar osUTtoupper(UniChar c);
// Digits of value in base (2 to 36) into buffer, zero-terminated; base 10 gives a leading '-'.
UniChar* osUTitou(int32_t value, UniChar* buffer, int32_t base);
// printf into a wide buffer from a wide format; the caller bounds the output.
int32_t osUTusprintf(UniChar* buffer, const UniChar* format, ...);

double osUTsqrt(double x);
double osUTpow(double base, double exponent);
double osUTatan(double x);
double osUTlog10(double x);
double osUTfabs(double x);
int32_t osUTabs(int32_t x);
// Sine and cosine of an angle in tenths of a degree; any 16-bit value is accepted.
double osUTfastsin(int16_t tenths);
double osUTfastcos(int16_t tenths);

void* osUTmemcpy(void* destination, const void* source, size_t count);
void* osUTmemset(void* destination, int32_t value, size_t count);

bool osCGgetINT32(const UniChar* section, const UniChar* key, bool create, int32_t* value);
bool osCGsetINT32(const UniChar* section, const UniChar* key, int32_t value);
bool osCGgetUNICHAR(const UniChar* section, const UniChar* key, bool create, int32_t capacity,
                    UniChar* buffer);
bool osCGsetUNICHAR(const UniChar* section, const UniChar* key, const UniChar* value);

// Reports a fatal error; the format's placeholders take the following arguments.
void osERfatalError(const UniChar* moduleName, const char* sourceFile, uint32_t line,
                    const UniChar* format, ...);

// Minutes to add to local time to get GMT (one hour ahead of GMT is -60).
bool osTMgetGMTTimeZoneOffset(int32_t* minutes);
// Fills buffer (16 units) with the language code of a system language slot; empty when unused.
void osBLgetSystemLanguageCode(UniChar* buffer, int32_t slot);

}  // extern "C"
