-- Entries of the selectors that show one text and mean another, and of the plain selectors.
INSERT INTO "tblSettings_ComboBox_Double_Value" ("DataFieldCategory", "DataFieldExternalName", "DataFieldInternalName") VALUES
  ('Testament', 'Old Testament', 'Old'),
  ('Testament', 'New Testament', 'New'),
  ('Operator1', 'Contains', 'LIKE'),
  ('Operator1', 'Does not contain', 'NOT LIKE'),
  ('Operator2', 'Contains', 'LIKE'),
  ('Operator2', 'Does not contain', 'NOT LIKE');
INSERT INTO "tblSettings_Combox" ("ComboxCategory", "ComboxItem") VALUES
  ('QueryStringOperator', 'AND'),
  ('QueryStringOperator', 'OR');
