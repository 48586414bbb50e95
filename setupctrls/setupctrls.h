#pragma once

// Registers the setup controls and their published properties with the
// description reader (after the library's own kinds).
void RegisterSetupControls();
