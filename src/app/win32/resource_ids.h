#pragma once
// Identifiers of the editor's resources, shared by the resource script and the code.

// The application's icon, the first in the file: Explorer shows it.
#define ZARQ_ICON 1
