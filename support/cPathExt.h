#pragma once
// (members come with their own change)
class cPathExt {
public:
};
