#pragma once

extern int familyISends;
extern int familyILoads;
