#pragma once

class TComponentKind;

// Registers the library's own component kinds and their published
// properties with the description reader, and the JPEG picture kind.
// Calling it again does nothing.
void RegisterStandardKinds();

// Publishes Color, ParentColor, Font.* and ParentFont on a control kind.
TComponentKind& AddColorAndFont(TComponentKind& kind);
