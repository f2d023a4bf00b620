#pragma once
// Colours as the design states them: &HBBGGRR values (blue first), plus the two
// system colours it uses. Elements keep these values so that code and tests can
// compare them exactly; only drawing turns them into QColor.
#include <QColor>
#include <cstdint>

using BGR = uint32_t;

namespace colour {
constexpr BGR Window = 0x80000005;      // system window colour
constexpr BGR ButtonText = 0x80000012;  // system button-text colour
constexpr BGR ButtonFace = 0x8000000F;  // system button face (form background)
constexpr BGR Transparent = 0xFFFFFFFF; // label drawn without background

constexpr BGR Green = 0x00FF00;   // active signal, selected multiplexer input
constexpr BGR Red = 0x0000FF;     // bus being filled, pressed button-bar entry (255)
constexpr BGR Lit = 0x8080FF;     // lit component (light red)
constexpr BGR Rest = 0xFFC0C0;    // component at rest (light blue)
constexpr BGR Teal = 0xC0C000;    // bus carrying new information
constexpr BGR Magenta = 0xFF00FF; // lit flag
constexpr BGR Blue = 0xFF0000;    // caption of the instruction being executed
constexpr BGR Yellow = 0x80FFFF;  // constant-one source, register-field labels
constexpr BGR White = 0xFFFFFF;
constexpr BGR LightGreen = 0xC0FFC0; // speed buttons

QColor toQColor(BGR value);
}  // namespace colour
