-- The delivered categories and their field titles. The first three are preset and cannot be deleted.
INSERT INTO Cats (CatName) VALUES ('CREDIT CARD');
INSERT INTO Cats (CatName) VALUES ('WEB SITE');
INSERT INTO Cats (CatName) VALUES ('HOME');
INSERT INTO Cats (CatName) VALUES ('EMAIL');
INSERT INTO Cats (CatName) VALUES ('BANK ACCOUNT');
INSERT INTO Cats (CatName) VALUES ('SOFTWARE LICENSE');
INSERT INTO Cats (CatName) VALUES ('WI-FI NETWORK');
INSERT INTO CatDef VALUES ('CREDIT CARD', 'Card', 'Card Number', 'Expiry Date', 'Security Code', 'PIN', 'Notes', 0);
INSERT INTO CatDef VALUES ('WEB SITE', 'Site', 'Web Address', 'User Name', 'Password', 'E-mail', 'Notes', 3);
INSERT INTO CatDef VALUES ('HOME', 'Item', 'Code', 'Location', 'Contact', 'Phone', 'Notes', 2);
INSERT INTO CatDef VALUES ('EMAIL', 'Account', 'E-mail Address', 'Password', 'Incoming Server', 'Outgoing Server', 'Notes', 4);
INSERT INTO CatDef VALUES ('BANK ACCOUNT', 'Bank', 'Account Number', 'Sort Code / Routing', 'Online Banking User', 'Online Banking Password', 'Notes', 4);
INSERT INTO CatDef VALUES ('SOFTWARE LICENSE', 'Product', 'License Key', 'Registered To', 'Version', 'Purchase Date', 'Notes', 4);
INSERT INTO CatDef VALUES ('WI-FI NETWORK', 'Place', 'Network Name', 'Password', 'Security', 'Router Address', 'Notes', 4);
