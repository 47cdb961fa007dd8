#include "platform/rozlisenie.h"

int width = 1024;
int height = 768;
