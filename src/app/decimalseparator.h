#pragma once

// The decimal separator of the user's locale (the default QLocale) as the engine takes it:
// ',' in a Czech locale, '.' in an English one, and '.' where the locale's is not one byte.
char DecimalSeparator();
