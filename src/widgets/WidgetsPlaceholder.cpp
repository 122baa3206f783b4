#include <zsg/widgets/WidgetsPlaceholder.h>
