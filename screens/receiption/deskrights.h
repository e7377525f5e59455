#pragma once

// The rights positions (button Tags) of the front desk's operations: the
// screen enables a button, and the admin tool allows its command, only when
// the operator's rights string has that position.
inline constexpr int kModiRoomStatusRight = 11;
inline constexpr int kWalkInRight = 12;
inline constexpr int kTeamInRight = 13;
inline constexpr int kCheckOutByCardRight = 14;
inline constexpr int kCardEraseRight = 15;
inline constexpr int kIssueCardRight = 16;
inline constexpr int kCheckOutNoCardRight = 17;
