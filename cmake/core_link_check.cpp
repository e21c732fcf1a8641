// Linked with the whole core and only Qt Core, Gui, Sql and Svg: a core object that needs a widget
// symbol fails this link.
int main() { return 0; }
