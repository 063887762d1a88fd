// Foundation rule and card type constants; filled in with the level designer.
