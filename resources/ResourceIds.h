// Numbers of the program's resources, shared by tarnwicket.rc and the code.
#pragma once

#define IDI_APP 1              // window icon: a black three-cornered hat
#define IDC_HAND_POINTER 101   // pointing hand cursor, hot spot at the fingertip
#define IDB_BACKGROUND 102     // main window's background panel, 613 x 490
#define IDB_DONATE 103         // donation button, 62 x 31
#define IDI_REFRESH 104        // green circular arrow
#define IDI_PLAY 105           // white round button with a blue play triangle
#define IDI_CROSS 106          // red round button with a white cross
#define IDI_TICK 107           // green round button with a white tick
#define IDI_ALERT 108          // yellow warning triangle with an exclamation mark
