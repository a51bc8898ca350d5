#pragma once

// The worksheets ask for their typefaces by name (kNumberTypeface,
// kSignTypeface); this maps both onto the Japanese font installed with the
// programs, so that signs and digits come from one font on every sheet.
void installPrintTypefaces();
