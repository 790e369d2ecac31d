#include "Sisalto.h"
bool TeeMaisema(const KOHDE&) {
    return true;
}
bool TeeAanet(const KOHDE&) {
    return true;
}
bool TeeRadat(const KOHDE&) {
    return true;
}
