#pragma once

// The form names Windows fonts. Each is mapped to the closest installed face with the same
// metrics, so captions keep the widths the layout was made for.
namespace Fonts {
void installSubstitutions();
}
