#pragma once
// (members come with their own change)
class cFileFunctions {
public:
};
