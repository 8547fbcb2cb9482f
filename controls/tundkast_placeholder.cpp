void tundkastPlaceholder() {}
