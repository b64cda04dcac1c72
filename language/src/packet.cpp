// Placeholder until the packet implementation lands.
