// Resource identifiers shared by the .rc file and the program.
#pragma once

#define IDI_QUILLMEND 1
#define IDR_ENABLE_MENU_SCRIPT 101
#define IDR_DISABLE_MENU_SCRIPT 102
