#pragma once

class TSterownik;

// Whether the editor offers a setting for the connected controller: what its firmware has,
// and what the settings it depends on leave in force. A hidden setting is still drawn, but
// cannot be changed.
bool IsVisible(const TSterownik& link, int setting);

// The settings a listing shows: named in the catalogue and visible.
bool IsListed(const TSterownik& link, int setting);

// The settings the editor shows only among its administrator cells, and nowhere else: no front
// end changes them outside administrator mode.
bool ReservedToAdministrators(const TSterownik& link, int setting);
