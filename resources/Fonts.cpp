#include "resources/Fonts.h"
#include "resources/Embed.h"

ZK7_EMBED (zk7_sans_regular, ZK7_FONT_DIR "/LiberationSans-Regular.ttf")
ZK7_EMBED (zk7_sans_bold, ZK7_FONT_DIR "/LiberationSans-Bold.ttf")

EmbeddedData embeddedSansRegular() { return { zk7_sans_regular_start, (size_t) (zk7_sans_regular_end - zk7_sans_regular_start) }; }
EmbeddedData embeddedSansBold() { return { zk7_sans_bold_start, (size_t) (zk7_sans_bold_end - zk7_sans_bold_start) }; }
