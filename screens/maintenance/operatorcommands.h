#pragma once

#include "core/records.h"
#include "screens/maintenance/maintenancetexts.h"

// Adding, removing and modifying operators and role rights, asking through the
// operator port. Each returns true when it went as far as the database (the
// list is then read again, whatever the database answered), false when the
// operator gave up or the input was refused.

inline constexpr int kCodeLength = 20;
inline constexpr int kNameLength = 50;
inline constexpr int kMemoLength = 100;

// The role letter of an answer to the role prompt (trimmed, upper case); empty
// when the answer is not exactly one of S, A, M and G.
QString RoleLetterOf(const QString &answer);

bool AddOperator(const QString &caption, const TMaintenanceTexts &texts);
bool RemoveOperator(const TOperatorInfo &selected, const TMaintenanceTexts &texts);
// A role row keeps its code, name and role: only its rights string (the memo)
// is asked for.
bool ModifyOperator(const TOperatorInfo &selected, const QString &caption, const TMaintenanceTexts &texts);
