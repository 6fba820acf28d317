#pragma once

class QIcon;

// "Tallyx2.ICO" from the working folder when it is there and readable,
// otherwise the icon built into the program.
QIcon LoadApplicationIcon();
